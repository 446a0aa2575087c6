#include "readers/gzip_input.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "core/error.h"

namespace chronoflip {

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr int kGzipOnly = 16 + MAX_WBITS;  // zlib: a gzip wrapper, and a 32 KiB window

}  // namespace

struct GzipInput::Stream {
    z_stream z{};
    std::vector<unsigned char> input = std::vector<unsigned char>(kChunk);
    bool inputEnded = false;
    bool memberEnded = false;  // between members: more may follow
    bool secondMember = false;
    bool finished = false;

    Stream() {
        if (inflateInit2(&z, kGzipOnly) != Z_OK) throw std::bad_alloc();
    }
    ~Stream() { inflateEnd(&z); }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
};

GzipInput::GzipInput(std::unique_ptr<InputFile> compressed, std::string path)
    : compressed_(std::move(compressed)),
      path_(std::move(path)),
      stream_(std::make_unique<Stream>()) {}

GzipInput::~GzipInput() = default;

void GzipInput::fail(int status) const {
    const char* message = stream_->z.msg != nullptr ? stream_->z.msg : "";
    if (status == Z_MEM_ERROR) throw std::bad_alloc();
    if (std::strcmp(message, "incorrect header check") == 0) {
        throw Error(
            stream_->secondMember ? "data after the gzip data is not gzip" : "not gzip data",
            path_);
    }
    if (std::strcmp(message, "incorrect data check") == 0) {
        throw Error("gzip data damaged: the CRC in its trailer does not match", path_);
    }
    if (std::strcmp(message, "incorrect length check") == 0) {
        throw Error("gzip data damaged: the length in its trailer does not match", path_);
    }
    throw Error(std::string("gzip data damaged: ") + message, path_);
}

std::size_t GzipInput::read(char* buffer, std::size_t size) {
    Stream& s = *stream_;
    z_stream& z = s.z;
    z.next_out = reinterpret_cast<unsigned char*>(buffer);
    z.avail_out = static_cast<uInt>(std::min<std::size_t>(size, UINT_MAX));
    const uInt wanted = z.avail_out;
    while (z.avail_out != 0 && !s.finished) {
        if (z.avail_in == 0 && !s.inputEnded) {
            const std::size_t n =
                compressed_->read(reinterpret_cast<char*>(s.input.data()), s.input.size());
            s.inputEnded = n == 0;
            z.next_in = s.input.data();
            z.avail_in = static_cast<uInt>(n);
        }
        if (s.memberEnded) {
            // Another member may follow the one just ended, as when gzip files are joined.
            if (z.avail_in == 0) {
                s.finished = s.inputEnded;
                continue;
            }
            inflateReset(&z);
            s.memberEnded = false;
            s.secondMember = true;
        }
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            s.memberEnded = true;
        } else if (status == Z_BUF_ERROR && s.inputEnded) {
            throw Error("gzip data ends early: the file is cut short", path_);
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            fail(status);
        }
    }
    return wanted - z.avail_out;
}

void GzipInput::close() {
    compressed_->close();
}

}  // namespace chronoflip
