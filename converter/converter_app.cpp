#include "converter_app.h"

#include <unistd.h>
#include <wand/MagickWand.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "command/command_args.h"
#include "command/input_probe.h"
#include "command/output_target.h"
#include "command/picture_defaults.h"
#include "diagnostics.h"
#include "magick/magick_coders.h"
#include "magick/magick_session.h"
#include "memory/allocator_tuning.h"
#include "output/emergency_cleanup.h"
#include "output/file_identity.h"
#include "output/modification_time.h"
#include "output/staged_output.h"
#include "version_info.h"

namespace quorvel::converter {
namespace {

std::string quoted(const std::string& path) { return "`" + path + "'"; }

// ImageMagick would fail to open a write-protected output; replacing it by a rename would
// not. Such a file is kept, as it would be.
bool isWriteProtected(const std::string& path) {
    return access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0;
}

bool isInput(const std::vector<FileIdentity>& inputs, const std::string& path) {
    const auto identity = identityOf(path);
    return identity && std::find(inputs.begin(), inputs.end(), *identity) != inputs.end();
}

// Points each input at its decoder; false, with the error recorded, when one cannot be read.
bool routeInputs(CommandArgs& args, std::vector<FileIdentity>& inputs, std::string& firstInput,
                 Diagnostics& report) {
    for (std::size_t index : args.inputs) {
        std::string& argument = args.argv[index];
        const InputProbe probe = probeInput(argument);
        if (!probe.problem.empty()) {
            report.error(ExitCode::InputError,
                         "unable to read " + quoted(probe.path) + ": " + probe.problem);
            return false;
        }
        if (const auto identity = identityOf(probe.path)) inputs.push_back(*identity);
        if (firstInput.empty()) firstInput = probe.path;
        argument = routedArgument(probe, argument);
    }
    return true;
}

bool runImageMagick(CommandArgs& args) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    std::vector<char*> argv = argumentPointers(args);
    const MagickBooleanType converted =
        MagickCommandGenesis(info, ConvertImageCommand, static_cast<int>(args.argv.size()),
                             argv.data(), nullptr, exception);
    if (exception->severity != UndefinedException) CatchException(exception);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return converted == MagickTrue;
}

void convertToFile(CommandArgs& args, const OutputTarget& target,
                   const std::vector<FileIdentity>& inputs, const std::string& firstInput,
                   Diagnostics& report) {
    const std::string failure = "unable to write " + quoted(target.path) + ": ";
    if (isInput(inputs, target.path)) {
        report.error(ExitCode::OutputError, failure + "it is an input file, which is kept");
        return;
    }
    if (isWriteProtected(target.path)) {
        report.error(ExitCode::OutputError, failure + "the existing file is write-protected");
        return;
    }
    std::string problem;
    const auto staged = StagedOutput::create(target.path, problem);
    if (!staged) {
        report.error(ExitCode::OutputError, failure + problem);
        return;
    }
    args.argv[*args.output] = target.prefix + staged->stagedPath();
    armEmergencyCleanup(staged->stagedPath(), staged->stagingFolder());
    const bool converted = runImageMagick(args);
    if (!converted) report.error(ExitCode::Failed, failure + "the conversion failed");
    if (!report.failed()) copyModificationTime(firstInput, staged->stagedPath());
    if (!report.failed() && !staged->commit(inputs, problem))
        report.error(ExitCode::OutputError, failure + problem);
    disarmEmergencyCleanup();
}

void convert(CommandArgs& args, Diagnostics& report) {
    std::vector<FileIdentity> inputs;
    std::string firstInput;
    if (!routeInputs(args, inputs, firstInput, report)) return;
    const OutputTarget target =
        args.output ? parseOutputArgument(args.argv[*args.output]) : OutputTarget{};
    if (!target.isFile) {
        if (!runImageMagick(args)) report.error(ExitCode::UsageError, "the command failed");
        return;
    }
    if (const std::string problem = formatProblem(target); !problem.empty()) {
        report.error(ExitCode::UsageError,
                     "unable to write " + quoted(target.path) + ": " + problem);
        return;
    }
    addPictureDefaults(args, target.format);
    convertToFile(args, target, inputs, firstInput, report);
}

}  // namespace

int runConverter(int argc, char** argv) {
    tuneMemoryAllocator();
    Diagnostics report;
    {
        MagickSession magick(argv[0], report);
        if (isVersionRequest(argc, argv)) {
            printVersion(stdout);
            return 0;
        }
        installTerminationHandlers();
        CommandArgs args = scanCommand(argc, argv);
        const RawDecodeOptions rawOptions{args.soleResizeGeometry};
        registerCoders(rawOptions);
        convert(args, report);
    }
    report.print(stderr);
    return static_cast<int>(report.exitCode());
}

}  // namespace quorvel::converter
