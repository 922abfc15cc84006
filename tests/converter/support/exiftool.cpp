#include "exiftool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

extern char** environ;

namespace quorvel::converter::testing_support {
namespace {

std::optional<std::string> capture(const std::vector<std::string>& arguments) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return std::nullopt;
    std::vector<std::string> copies = arguments;
    copies.insert(copies.begin(), "exiftool");
    std::vector<char*> argv;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, "exiftool", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got; spawned == 0 && (got = read(ends[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(ends[0]);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

}  // namespace

std::optional<std::map<std::string, std::string>> exifToolTags(
    const std::filesystem::path& file, const std::vector<std::string>& tags) {
    std::vector<std::string> arguments = {"-s", "-n"};
    for (const std::string& tag : tags) arguments.push_back("-" + tag);
    arguments.push_back(file.string());
    const auto output = capture(arguments);
    if (!output) return std::nullopt;
    std::map<std::string, std::string> values;
    std::istringstream lines(*output);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, line.find(' '));
        values[name] = line.substr(colon + 2);
    }
    return values;
}

bool runExifTool(const std::vector<std::string>& arguments) {
    return capture(arguments).has_value();
}

}  // namespace quorvel::converter::testing_support
