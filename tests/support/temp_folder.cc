#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "core/paths.h"

namespace chronoflip::testing {

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() /
                ("chronoflip-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) return;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::file(const std::string& name) const {
    return fromNativePath((path_ / toNativePath(name)).make_preferred());
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
    const std::string target = file(name);
    std::filesystem::create_directories(toNativePath(target).parent_path());
    std::ofstream out(toNativePath(target), std::ios::binary);
    out << bytes;
    return target;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(toNativePath(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string readText(const std::string& path) {
    std::ifstream in(toNativePath(path));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) {
    return std::filesystem::is_regular_file(toNativePath(path));
}

std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string lf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

namespace {

std::filesystem::path folderNamedBy(const char* variable) {
    const char* folder = std::getenv(variable);
    if (folder == nullptr || !std::filesystem::is_directory(folder)) return {};
    return folder;
}

}  // namespace

std::filesystem::path realDataFolder() {
    return folderNamedBy("CHRONOFLIP_REAL_DATA");
}

std::filesystem::path realRinex3Folder() {
    return folderNamedBy("CHRONOFLIP_REAL_RINEX3_DATA");
}

}  // namespace chronoflip::testing
