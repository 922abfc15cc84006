#include "output/emergency_cleanup.h"

#include <limits.h>
#include <magick/MagickCore.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace quorvel::converter {
namespace {

char g_stagedFile[PATH_MAX];
char g_temporaryFolder[PATH_MAX];
char g_stagingFolder[PATH_MAX];
std::atomic<bool> g_armed{false};

bool copyPath(char* target, const std::string& path) {
    if (path.size() >= PATH_MAX) return false;
    std::memcpy(target, path.c_str(), path.size() + 1);
    return true;
}

void onTerminationSignal(int signalNumber) {
    // MagickCore's own temporary files (a pixel cache spilled to disk) go first, so their
    // folder can go too.
    AsynchronousResourceComponentTerminus();
    runEmergencyCleanup();
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

}  // namespace

void armEmergencyCleanup(const std::string& stagedFile, const std::string& temporaryFolder,
                         const std::string& stagingFolder) {
    g_armed = false;
    if (!copyPath(g_stagedFile, stagedFile) || !copyPath(g_temporaryFolder, temporaryFolder) ||
        !copyPath(g_stagingFolder, stagingFolder))
        return;
    g_armed = true;
}

void disarmEmergencyCleanup() { g_armed = false; }

void runEmergencyCleanup() {
    if (!g_armed.exchange(false)) return;
    unlink(g_stagedFile);
    rmdir(g_temporaryFolder);
    rmdir(g_stagingFolder);
}

void installTerminationHandlers() {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXCPU, SIGXFSZ})
        sigaction(signalNumber, &action, nullptr);
}

}  // namespace quorvel::converter
