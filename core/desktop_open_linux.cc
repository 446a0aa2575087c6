#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/desktop_open.h"

extern char** environ;

namespace chronoflip {

std::optional<std::string> openWithDesktop(const std::string& path) {
    // xdg-open's own chatter goes to standard error: standard output is the reset's log.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    std::string program = "xdg-open";
    std::string argument = path;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int spawnError = posix_spawnp(&child, "xdg-open", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) return "xdg-open: " + std::string(std::strerror(spawnError));
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return "xdg-open: " + std::string(std::strerror(errno));
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
    return "xdg-open failed";
}

}  // namespace chronoflip
