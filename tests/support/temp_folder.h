#pragma once

#include <filesystem>
#include <string>

namespace chronoflip::testing {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Path of name inside the folder, as the engine takes it: UTF-8 with the platform's
    // separators. The functions below take paths in the same form.
    std::string file(const std::string& name) const;
    // Writes bytes exactly as given (no line-end translation); returns the path.
    std::string write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
// The file as text: line ends as the platform's C library reads them.
std::string readText(const std::string& path);
bool fileExists(const std::string& path);

// Joins lines, ending each with CR LF as the program writes them.
std::string crlf(std::initializer_list<std::string> lines);
// Joins lines, ending each with LF as the decoders write them.
std::string lf(std::initializer_list<std::string> lines);

// Folder of the real GNSS files, or empty when it is not beside the project.
std::filesystem::path realDataFolder();
// Folder of the real RINEX 3 and 4 files, or empty when it is not beside the project.
std::filesystem::path realRinex3Folder();

}  // namespace chronoflip::testing
