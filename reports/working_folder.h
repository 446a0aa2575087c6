#pragma once

#include <string>
#include <string_view>

namespace chronoflip {

// The program's current folder. It is kept here rather than in the process's working
// directory, so entering a folder touches nothing else in the process.
class WorkingFolder {
  public:
    explicit WorkingFolder(std::string start) : path_(std::move(start)) {}
    // Starts at the process's working directory.
    static WorkingFolder ofProcess();

    const std::string& path() const { return path_; }
    // Makes folder (relative to the current one, or full) current and returns its full
    // path; throws the input/output error and stays where it is when it cannot be entered.
    const std::string& enter(std::string_view folder);

  private:
    std::string path_;
};

}  // namespace chronoflip
