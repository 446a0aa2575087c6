#pragma once

#include <memory>
#include <string>

#include "core/error.h"
#include "core/file_system.h"

namespace chronoflip::testing {

// The computer's file system, except that the N-th operation of one kind fails the way a
// full disk, a vanished network share or a locked file would.
class FaultyFileSystem : public FileSystem {
  public:
    enum class Operation { kOpen, kCreate, kRead, kWrite, kClose, kRemove, kRename };

    // Fails the failAt-th (1-based) operation of the given kind; 0 never fails.
    FaultyFileSystem(Operation operation, int failAt) : operation_(operation), failAt_(failAt) {}

    // How many operations of the chosen kind have been attempted.
    int count() const { return count_; }

    std::unique_ptr<InputFile> openRead(const std::string& path) override;
    std::unique_ptr<OutputFile> create(const std::string& path) override;
    bool exists(const std::string& path) override { return local_.exists(path); }
    std::uint64_t fileSize(const std::string& path) override { return local_.fileSize(path); }
    void remove(const std::string& path) override;
    void rename(const std::string& from, const std::string& to) override;
    bool sameFile(const std::string& a, const std::string& b) override {
        return local_.sameFile(a, b);
    }

    // True when this call is the one to fail.
    bool strikes(Operation operation) {
        if (operation != operation_) return false;
        return ++count_ == failAt_;
    }
    // What a struck read, write, close, open or create throws.
    [[noreturn]] static void fail() { throw Error(ioErrorMessage(kDiskFullCode)); }

  private:
    static constexpr int kDiskFullCode = 101;
    LocalFileSystem local_;
    Operation operation_;
    int failAt_;
    int count_ = 0;
};

}  // namespace chronoflip::testing
