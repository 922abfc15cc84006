#include "converter_app.h"

#include <unistd.h>
#include <wand/MagickWand.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "command/command_args.h"
#include "command/input_preflight.h"
#include "command/input_probe.h"
#include "command/output_target.h"
#include "command/picture_defaults.h"
#include "command/syntax_free_names.h"
#include "diagnostics.h"
#include "magick/magick_coders.h"
#include "magick/magick_session.h"
#include "magick/resource_budget.h"
#include "memory/allocator_tuning.h"
#include "output/emergency_cleanup.h"
#include "output/file_identity.h"
#include "output/modification_time.h"
#include "output/staged_output.h"
#include "output/stale_staging.h"
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

struct RoutedInput {
    std::size_t index;  // in the argument vector
    std::string shown;  // the file as the user named it
    bool framesChosen;
};

// Points each input at its decoder, under a name ImageMagick reads as nothing but that file;
// false, with the error recorded, when one cannot be read.
bool routeInputs(CommandArgs& args, SyntaxFreeNames& names, std::vector<FileIdentity>& inputs,
                 std::vector<RoutedInput>& routed, Diagnostics& report) {
    for (std::size_t index : args.inputs) {
        std::string& argument = args.argv[index];
        InputProbe probe = probeInput(argument);
        if (!probe.problem.empty()) {
            report.error(ExitCode::InputError, quoted(probe.path) + " " + probe.problem);
            return false;
        }
        if (probe.kind == InputKind::NotALocalFile) continue;
        if (const auto identity = identityOf(probe.path)) inputs.push_back(*identity);
        const std::string shown = probe.path;
        probe.path = names.nameFor(shown);
        if (probe.path.empty()) {
            report.error(ExitCode::InputError,
                         quoted(shown) + " cannot be opened: " + std::strerror(errno));
            return false;
        }
        report.nameAs(probe.path, shown);
        routed.push_back({index, shown, !probe.frames.empty()});
        argument = routedArgument(probe, argument);
    }
    return true;
}

bool preflight(CommandArgs& args, std::vector<RoutedInput>& routed, bool singlePictureOutput,
               Diagnostics& report) {
    const MemoryBudget budget = machineBudget();
    for (const RoutedInput& input : routed)
        if (!preflightInput({args.argv[input.index], input.shown, input.framesChosen},
                            singlePictureOutput, budget, report))
            return false;
    return true;
}

// ImageMagick keeps its temporary files (a pixel cache spilled to disk) where it is told.
void keepTemporaryFilesIn(const std::string& folder) {
    setenv("MAGICK_TEMPORARY_PATH", folder.c_str(), 1);
    ExceptionInfo* exception = AcquireExceptionInfo();
    SetImageRegistry(StringRegistryType, "temporary-path", folder.c_str(), exception);
    DestroyExceptionInfo(exception);
}

// Whatever ImageMagick said about a write ("WriteBlob Failed", "Write error at scanline 80"),
// a file system without room left is the reason.
constexpr unsigned long long kFullDisk = 1 << 20;

bool wasWriting(const StagedOutput& staged, const Diagnostics& report) {
    std::string error = report.firstError();
    for (char& c : error) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return access(staged.stagedPath().c_str(), F_OK) == 0 ||
           error.find("write") != std::string::npos;
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

// ImageMagick reports a reader that gave up without a word as "no images defined `<output>'".
void explainEmptyRead(const std::vector<RoutedInput>& routed, Diagnostics& report) {
    if (routed.size() != 1 || report.firstError().rfind("no images defined", 0) != 0) return;
    report.replaceError(ExitCode::InputError,
                        quoted(routed.front().shown) +
                            " is damaged or cut short: no picture could be read from it");
}

void convertToFile(CommandArgs& args, const OutputTarget& target,
                   const std::vector<FileIdentity>& inputs, const std::vector<RoutedInput>& routed,
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
    removeStaleStagingFolders(folderOf(target.path));
    std::string problem;
    const auto staged = StagedOutput::create(target.path, problem);
    if (!staged) {
        report.error(ExitCode::OutputError, failure + problem);
        return;
    }
    // A fixed name in the staging folder: the requested name's "%d" or "[" are never syntax.
    const std::string format = target.prefix.empty() ? target.format : "";
    args.argv[*args.output] =
        target.prefix + (format.empty() ? "" : format + ":") + staged->imagePath();
    report.nameAs(args.argv[*args.output], target.path);
    report.nameAs(staged->imagePath(), target.path);
    report.nameAs(staged->stagedPath(), target.path);
    keepTemporaryFilesIn(staged->temporaryFolder());
    armEmergencyCleanup(staged->stagedPath(), staged->temporaryFolder(), staged->stagingFolder());
    const bool converted = runImageMagick(args);
    explainEmptyRead(routed, report);
    if ((!converted || report.failed()) && wasWriting(*staged, report) &&
        staged->freeBytes() < kFullDisk)
        report.replaceError(ExitCode::OutputError, failure + "the disk is full");
    else if (!converted)
        report.error(ExitCode::Failed, failure + "the conversion failed");
    if (!report.failed() && !routed.empty())
        copyModificationTime(routed.front().shown, staged->stagedPath());
    if (!report.failed() && !staged->commit(inputs, problem))
        report.error(ExitCode::OutputError, failure + problem);
    disarmEmergencyCleanup();
}

// "-write name" saves another file besides the output: one command writes one file.
bool writesAnotherFile(const CommandArgs& args, Diagnostics& report) {
    const std::size_t end = args.output.value_or(args.argv.size());
    for (std::size_t i = 1; i < end; ++i) {
        if (args.argv[i] != "-write" && args.argv[i] != "+write") continue;
        report.error(ExitCode::UsageError, "the option " + args.argv[i] +
                                               " would write a second file; this converter "
                                               "writes only the output the command names");
        return true;
    }
    return false;
}

void convert(CommandArgs& args, Diagnostics& report) {
    if (writesAnotherFile(args, report)) return;
    SyntaxFreeNames names;
    std::vector<FileIdentity> inputs;
    std::vector<RoutedInput> routed;
    if (!routeInputs(args, names, inputs, routed, report)) return;
    const OutputTarget target =
        args.output ? parseOutputArgument(args.argv[*args.output]) : OutputTarget{};
    if (!target.isFile) {
        if (!preflight(args, routed, false, report)) return;
        if (!runImageMagick(args)) report.error(ExitCode::UsageError, "the command failed");
        return;
    }
    if (const std::string problem = formatProblem(target); !problem.empty()) {
        report.error(ExitCode::UsageError,
                     "unable to write " + quoted(target.path) + ": " + problem);
        return;
    }
    if (!preflight(args, routed, holdsOnePicture(target.format), report)) return;
    addPictureDefaults(args, target.format);
    convertToFile(args, target, inputs, routed, report);
}

}  // namespace

int runConverter(int argc, char** argv) {
    tuneMemoryAllocator();
    preferBundledPolicy();
    Diagnostics report;
    {
        MagickSession magick(argv[0], report);
        applyToImageMagick(machineBudget());
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
