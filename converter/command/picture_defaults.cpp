#include "command/picture_defaults.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace quorvel::converter {
namespace {

using Options = std::vector<std::string>;

struct FormatDefaults {
    std::string_view format;
    bool flattenAlpha;
    bool eightBit;
    bool compress;
};

constexpr std::array<FormatDefaults, 11> kDefaults = {{
    {"JPG", true, false, false},
    {"JPEG", true, false, false},
    {"JPE", true, false, false},
    {"BMP", true, false, false},
    {"BMP3", true, false, false},
    {"PNG", false, true, false},
    {"PNG24", false, true, false},
    {"PNG32", false, true, false},
    {"TIF", false, true, true},
    {"TIFF", false, true, true},
    {"TIFF64", false, true, true},
}};

bool mentions(const CommandArgs& args, std::initializer_list<std::string_view> options) {
    return std::any_of(args.argv.begin(), args.argv.end(), [&](const std::string& arg) {
        const std::string_view name = arg.size() > 1 ? std::string_view(arg).substr(1) : "";
        return (arg[0] == '-' || arg[0] == '+') &&
               std::any_of(options.begin(), options.end(),
                           [&](std::string_view option) { return name == option; });
    });
}

Options outputOptions(const CommandArgs& args, const std::string& format) {
    const auto entry = std::find_if(kDefaults.begin(), kDefaults.end(),
                                    [&](const FormatDefaults& d) { return d.format == format; });
    Options options;
    if (entry == kDefaults.end()) return options;
    if (entry->flattenAlpha && !mentions(args, {"alpha", "background", "flatten", "matte"}))
        options.insert(options.end(), {"-background", "white", "-alpha", "remove", "-alpha", "off"});
    if (entry->eightBit && !mentions(args, {"depth"})) options.insert(options.end(), {"-depth", "8"});
    if (entry->compress && !mentions(args, {"compress"}))
        // ImageMagick adds the horizontal predictor itself where it applies (8 and 16 bits); asked
        // for, it would make libtiff refuse a bilevel or 4-bit palette picture.
        options.insert(options.end(), {"-compress", "Zip"});
    return options;
}

}  // namespace

void addPictureDefaults(CommandArgs& args, const std::string& outputFormat) {
    if (!args.output) return;
    const Options atEnd = outputOptions(args, outputFormat);
    std::vector<std::string> argv;
    std::vector<std::size_t> inputs;
    std::size_t next = 0;
    for (std::size_t i = 0; i < args.argv.size(); ++i) {
        if (i == *args.output) {
            argv.insert(argv.end(), atEnd.begin(), atEnd.end());
            args.output = argv.size();
        }
        argv.push_back(args.argv[i]);
        if (next < args.inputs.size() && args.inputs[next] == i) {
            inputs.push_back(argv.size() - 1);
            argv.push_back("-auto-orient");
            ++next;
        }
    }
    args.argv = std::move(argv);
    args.inputs = std::move(inputs);
}

}  // namespace quorvel::converter
