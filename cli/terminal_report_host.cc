#include "terminal_report_host.h"

#include "error.h"
#include "reset_reports_command.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "native_path.h"
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;
#endif

namespace chronoflip {

namespace {

// Returns why the page could not be opened, or nothing when it was.
std::optional<std::string> openWithDesktop(const std::string& path) {
#ifdef _WIN32
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", toNativePath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return std::nullopt;
    return "the shell answered " + std::to_string(result);
#else
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
#endif
}

}  // namespace

TerminalReportHost::TerminalReportHost(std::optional<CorrectionPair> surveyPair, bool openSummary,
                                       std::FILE* log, std::FILE* messages)
    : workingFolder_(WorkingFolder::ofProcess()),
      list_(workingFolder_),
      surveyPair_(surveyPair),
      openSummary_(openSummary),
      log_(log),
      messages_(messages) {}

void TerminalReportHost::appendMemoLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), log_);
    std::fputc('\n', log_);
    std::fflush(log_);
}

void TerminalReportHost::showReport(std::string_view name, const std::vector<std::string>&) {
    appendMemoLine(name);
}

void TerminalReportHost::showMessage(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), messages_);
    std::fputc('\n', messages_);
    std::fflush(messages_);
}

CorrectionPair TerminalReportHost::surveyDateQuery() {
    if (surveyPair_) return *surveyPair_;
    throw Error(
        "No valid correction pair in the first observation file of the RINEX folder; "
        "give the survey's pair with --pair (one of " +
        surveyPairChoices() + "). No report was changed.");
}

void TerminalReportHost::shellOpen(const std::string& path) {
    if (!openSummary_) return;
    if (const std::optional<std::string> failure = openWithDesktop(path)) {
        showMessage("Cannot open \"" + path + "\": " + *failure);
    }
}

}  // namespace chronoflip
