#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "core/file_system.h"
#include "core/native_file.h"
#include "core/paths.h"

// The computer's file system over the platform's own calls (core/native_file.h).
namespace chronoflip {

namespace {

void closeOrThrow(FileHandle& file, const std::string& path) {
    if (!file.close()) throwLastSystemError(path);
}

class LocalInputFile final : public InputFile {
  public:
    LocalInputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    std::size_t read(char* buffer, std::size_t size) override {
        return native::readSome(file_, buffer, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

class LocalOutputFile final : public OutputFile {
  public:
    LocalOutputFile(FileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    void write(const char* data, std::size_t size) override {
        native::writeAll(file_, data, size, path_);
    }
    void close() override { closeOrThrow(file_, path_); }

  private:
    FileHandle file_;
    std::string path_;
};

void writeTemporary(const std::string& temporary, const std::string& target,
                    std::string_view content) {
    FileHandle file = native::createTemporary(temporary, target);
    native::writeAll(file, content.data(), content.size(), temporary);
    // The content must be on the disk before the rename makes it the report.
    native::flushToDisk(file, temporary);
    closeOrThrow(file, temporary);
}

}  // namespace

std::unique_ptr<InputFile> LocalFileSystem::openRead(const std::string& path) {
    return std::make_unique<LocalInputFile>(native::openToRead(path), path);
}

std::unique_ptr<OutputFile> LocalFileSystem::create(const std::string& path) {
    return std::make_unique<LocalOutputFile>(native::create(path), path);
}

bool LocalFileSystem::exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(toNativePath(path), error);
}

std::uint64_t LocalFileSystem::fileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(toNativePath(path), error);
    if (error) throwSystemError(error, path);
    return size;
}

void LocalFileSystem::remove(const std::string& path) {
    std::error_code error;
    const auto file = toNativePath(path);
    // Only files are ever deleted here, never a folder that happens to carry the name.
    if (!std::filesystem::is_regular_file(file, error)) return;
    if (!std::filesystem::remove(file, error) && error) throw Error(error.message(), path, error);
}

void LocalFileSystem::rename(const std::string& from, const std::string& to) {
    if (native::moveToFreeName(from, to)) return;
    const std::error_code error(lastSystemError(), std::system_category());
    throw Error(error.message(), from, error);
}

bool LocalFileSystem::sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(toNativePath(a), toNativePath(b), error);
}

std::string LocalFileSystem::readWhole(const std::string& path) {
    FileHandle file = native::openWholeToRead(path);
    std::string content;
    char buffer[64 * 1024];
    while (const std::size_t n = native::readSome(file, buffer, sizeof buffer, path)) {
        content.append(buffer, n);
    }
    closeOrThrow(file, path);
    return content;
}

void LocalFileSystem::replaceWhole(const std::string& path, std::string_view content) {
    const std::string temporary = temporaryPath(path);
    try {
        writeTemporary(temporary, path, content);
        native::moveOver(temporary, path);
    } catch (const Error&) {
        // Closed by now; a folder in its place is not deleted.
        native::deleteQuietly(temporary);
        throw;
    }
}

}  // namespace chronoflip
