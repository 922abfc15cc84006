// Starts MagickCore once for a whole test program (the converter's library and the picture
// checks both need it) and registers the converter's own coders.
#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "magick/magick_coders.h"

namespace quorvel::converter {
namespace {

class MagickEnvironment : public testing::Environment {
public:
    void SetUp() override {
        MagickCoreGenesis("converter-tests", MagickFalse);
        ExceptionInfo* exception = AcquireExceptionInfo();
        GetMagickInfo(nullptr, exception);
        DestroyExceptionInfo(exception);
        registerCoders(m_options);
    }
    void TearDown() override { MagickCoreTerminus(); }

private:
    RawDecodeOptions m_options;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new MagickEnvironment);

}  // namespace
}  // namespace quorvel::converter
