#include "faulty_file_system.h"

namespace chronoflip::testing {

namespace {

using Operation = FaultyFileSystem::Operation;

class FaultyInput : public InputFile {
  public:
    FaultyInput(std::unique_ptr<InputFile> file, FaultyFileSystem& owner)
        : file_(std::move(file)), owner_(owner) {}
    std::size_t read(char* buffer, std::size_t size) override {
        if (owner_.strikes(Operation::kRead)) FaultyFileSystem::fail();
        return file_->read(buffer, size);
    }
    void close() override {
        const bool fail = owner_.strikes(Operation::kClose);
        file_->close();
        if (fail) FaultyFileSystem::fail();
    }

  private:
    std::unique_ptr<InputFile> file_;
    FaultyFileSystem& owner_;
};

class FaultyOutput : public OutputFile {
  public:
    FaultyOutput(std::unique_ptr<OutputFile> file, FaultyFileSystem& owner)
        : file_(std::move(file)), owner_(owner) {}
    void write(const char* data, std::size_t size) override {
        if (owner_.strikes(Operation::kWrite)) FaultyFileSystem::fail();
        file_->write(data, size);
    }
    void close() override {
        const bool fail = owner_.strikes(Operation::kClose);
        file_->close();
        if (fail) FaultyFileSystem::fail();
    }

  private:
    std::unique_ptr<OutputFile> file_;
    FaultyFileSystem& owner_;
};

}  // namespace

std::unique_ptr<InputFile> FaultyFileSystem::openRead(const std::string& path) {
    if (strikes(Operation::kOpen)) fail();
    return std::make_unique<FaultyInput>(local_.openRead(path), *this);
}

std::unique_ptr<OutputFile> FaultyFileSystem::create(const std::string& path) {
    if (strikes(Operation::kCreate)) fail();
    return std::make_unique<FaultyOutput>(local_.create(path), *this);
}

void FaultyFileSystem::remove(const std::string& path) {
    if (strikes(Operation::kRemove)) fail();
    local_.remove(path);
}

void FaultyFileSystem::rename(const std::string& from, const std::string& to) {
    if (strikes(Operation::kRename)) fail();
    local_.rename(from, to);
}

}  // namespace chronoflip::testing
