#include "readers/unix_compress_input.h"

#include <algorithm>
#include <cstring>

#include "core/error.h"

namespace chronoflip {

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr unsigned char kMagic[2] = {0x1f, 0x9d};
// Third header byte: the largest code width in its low five bits, block mode in the top bit.
constexpr unsigned kMaxBitsMask = 0x1f;
constexpr unsigned kBlockModeFlag = 0x80;
constexpr unsigned kReservedFlags = 0x60;
constexpr unsigned kFirstWidth = 9;
constexpr unsigned kLargestWidth = 16;
constexpr unsigned kLiterals = 256;
constexpr unsigned kClear = 256;  // block mode: forget the table and start again at 9 bits
constexpr unsigned kCodesPerGroup = 8;

}  // namespace

UnixCompressInput::UnixCompressInput(std::unique_ptr<InputFile> compressed, std::string path)
    : compressed_(std::move(compressed)), path_(std::move(path)), input_(kChunk) {}

int UnixCompressInput::nextByte() {
    if (inputBegin_ != inputEnd_) return input_[inputBegin_++];
    if (inputEnded_) return -1;
    inputBegin_ = 0;
    inputEnd_ = compressed_->read(reinterpret_cast<char*>(input_.data()), input_.size());
    if (inputEnd_ == 0) {
        inputEnded_ = true;
        return -1;
    }
    return input_[inputBegin_++];
}

void UnixCompressInput::readHeader() {
    headerRead_ = true;
    const int first = nextByte();
    const int second = nextByte();
    const int flags = nextByte();
    if (first != kMagic[0] || second != kMagic[1] || flags < 0) {
        throw Error("not data of Unix compress (.Z)", path_);
    }
    maxBits_ = static_cast<unsigned>(flags) & kMaxBitsMask;
    if ((static_cast<unsigned>(flags) & kReservedFlags) != 0 || maxBits_ < kFirstWidth ||
        maxBits_ > kLargestWidth) {
        throw Error("compressed with settings Unix compress does not have", path_);
    }
    blockMode_ = (static_cast<unsigned>(flags) & kBlockModeFlag) != 0;
    nextFree_ = blockMode_ ? kClear + 1 : kLiterals;
    const std::size_t tableSize = std::size_t{1} << maxBits_;
    prefix_.resize(tableSize);
    suffix_.resize(tableSize);
    length_.assign(tableSize, 1);  // the literals' strings are one byte long
    pending_.resize(tableSize);
}

// Returns false at the end of the data. The encoder pads only the last byte, so a whole
// byte or more left over means the file was cut inside a code.
bool UnixCompressInput::nextCode(unsigned& code) {
    while (bitCount_ < width_) {
        const int byte = nextByte();
        if (byte < 0) {
            if (bitCount_ >= 8) throw Error("compressed data ends inside a code", path_);
            return false;
        }
        bits_ |= static_cast<std::uint32_t>(byte) << bitCount_;
        bitCount_ += 8;
    }
    code = bits_ & ((1u << width_) - 1);
    bits_ >>= width_;
    bitCount_ -= width_;
    codesInGroup_ = (codesInGroup_ + 1) % kCodesPerGroup;
    return true;
}

// Codes are written in groups of eight; when the width changes the encoder starts a new
// group, leaving the rest of the current one unused.
void UnixCompressInput::skipToGroupEnd() {
    unsigned skip = (kCodesPerGroup - codesInGroup_) % kCodesPerGroup * width_;
    codesInGroup_ = 0;
    while (skip > 0) {
        if (bitCount_ == 0) {
            const int byte = nextByte();
            if (byte < 0) return;
            bits_ = static_cast<std::uint32_t>(byte);
            bitCount_ = 8;
        }
        const unsigned n = std::min(skip, bitCount_);
        bits_ >>= n;
        bitCount_ -= n;
        skip -= n;
    }
}

// Expands code into out when its string fits in room bytes, else into the pending buffer;
// returns the bytes written to out.
std::size_t UnixCompressInput::decode(unsigned code, char* out, std::size_t room) {
    if (blockMode_ && code == kClear) {
        skipToGroupEnd();
        width_ = kFirstWidth;
        nextFree_ = kClear + 1;
        havePrevious_ = false;
        return 0;
    }
    // The first code, and the first after CLEAR, can only be a byte of its own; later ones
    // may name the entry this very code defines: the previous string and its first byte.
    if (havePrevious_ ? code > nextFree_ : code >= kLiterals) {
        throw Error("compressed data damaged: code out of range", path_);
    }
    const bool definesItself = havePrevious_ && code == nextFree_;
    const std::size_t length = definesItself ? length_[previous_] + 1u : length_[code];
    char* const target = length <= room ? out : reinterpret_cast<char*>(pending_.data());
    char* p = target + length;
    unsigned walk = code;
    if (definesItself) {
        *--p = static_cast<char>(firstByte_);
        walk = previous_;
    }
    while (walk >= kLiterals) {
        *--p = static_cast<char>(suffix_[walk]);
        walk = prefix_[walk];
    }
    *--p = static_cast<char>(walk);
    firstByte_ = static_cast<unsigned char>(walk);
    if (havePrevious_ && nextFree_ < prefix_.size()) {
        prefix_[nextFree_] = static_cast<std::uint16_t>(previous_);
        suffix_[nextFree_] = firstByte_;
        length_[nextFree_] = static_cast<std::uint16_t>(length_[previous_] + 1);
        ++nextFree_;
        if (nextFree_ > (1u << width_) - 1 && width_ < maxBits_) {
            skipToGroupEnd();
            ++width_;
        }
    }
    previous_ = code;
    havePrevious_ = true;
    if (target == out) return length;
    pendingBegin_ = 0;
    pendingSize_ = length;
    return 0;
}

std::size_t UnixCompressInput::read(char* buffer, std::size_t size) {
    if (!headerRead_) readHeader();
    std::size_t produced = 0;
    while (produced < size) {
        if (pendingSize_ > 0) {
            const std::size_t n = std::min(size - produced, pendingSize_);
            std::memcpy(buffer + produced, pending_.data() + pendingBegin_, n);
            produced += n;
            pendingBegin_ += n;
            pendingSize_ -= n;
            continue;
        }
        unsigned code = 0;
        if (ended_ || !nextCode(code)) {
            ended_ = true;
            break;
        }
        produced += decode(code, buffer + produced, size - produced);
    }
    return produced;
}

void UnixCompressInput::close() {
    compressed_->close();
}

}  // namespace chronoflip
