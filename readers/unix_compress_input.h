#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace chronoflip {

// The data of a file made by Unix compress (.Z): LZW with codes of 9 up to 16 bits, in
// block mode (with the CLEAR code) or not, decoded in constant memory. A file that does not
// start with the .Z magic, a code the table does not hold yet, and a file cut inside a code
// throw an Error naming the file.
class UnixCompressInput final : public InputFile {
  public:
    UnixCompressInput(std::unique_ptr<InputFile> compressed, std::string path);

    std::size_t read(char* buffer, std::size_t size) override;
    void close() override;

  private:
    void readHeader();
    bool nextCode(unsigned& code);
    void skipToGroupEnd();
    std::size_t decode(unsigned code, char* out, std::size_t room);
    int nextByte();

    std::unique_ptr<InputFile> compressed_;
    std::string path_;

    std::vector<unsigned char> input_;
    std::size_t inputBegin_ = 0;
    std::size_t inputEnd_ = 0;
    bool inputEnded_ = false;
    std::uint32_t bits_ = 0;  // unread bits, the first in the lowest place
    unsigned bitCount_ = 0;

    bool headerRead_ = false;
    bool blockMode_ = false;
    unsigned maxBits_ = 0;
    unsigned width_ = 9;
    unsigned codesInGroup_ = 0;  // codes read since the width last changed, modulo 8
    unsigned nextFree_ = 0;      // the code the next table entry gets
    unsigned previous_ = 0;
    bool havePrevious_ = false;
    unsigned char firstByte_ = 0;  // first byte of the previous code's string
    bool ended_ = false;

    std::vector<std::uint16_t> prefix_;
    std::vector<unsigned char> suffix_;
    std::vector<std::uint16_t> length_;   // of each code's string
    std::vector<unsigned char> pending_;  // a string the last read had no room for
    std::size_t pendingBegin_ = 0;
    std::size_t pendingSize_ = 0;
};

}  // namespace chronoflip
