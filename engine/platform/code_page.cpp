#include "platform/code_page.h"

namespace quorvel::platform {
namespace {

class IdentityCodePage : public CodePage {
public:
    std::string toAnsi(std::string_view utf8) const override { return std::string(utf8); }
    std::string fromAnsi(std::string_view bytes) const override { return std::string(bytes); }
};

}  // namespace

const CodePage& identityCodePage() {
    static const IdentityCodePage page;
    return page;
}

}  // namespace quorvel::platform
