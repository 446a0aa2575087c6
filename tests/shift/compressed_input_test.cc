#include <gtest/gtest.h>

#include <memory>

#include "core/error.h"
#include "decoder_helpers.h"
#include "memory_files.h"
#include "readers/gzip_input.h"
#include "readers/unix_compress_input.h"
#include "temp_folder.h"
#include "throw_message.h"

namespace chronoflip {
namespace {

using testing::compressedFixture;
using testing::readBytes;
using testing::StringInput;

enum class Format { kGzip, kCompress };

std::unique_ptr<InputFile> decoderOf(Format format, const std::string& bytes, std::size_t chunk,
                                     const std::string& path) {
    auto source = std::make_unique<StringInput>(bytes, chunk);
    if (format == Format::kGzip) return std::make_unique<GzipInput>(std::move(source), path);
    return std::make_unique<UnixCompressInput>(std::move(source), path);
}

TEST(CompressedInput, RestoresWhatGzipAndCompressWrote) {
    const std::string text = readBytes(compressedFixture("text"));
    const std::string compact = readBytes(compressedFixture("compact_rinex.16d"));
    const struct {
        const char* name;
        Format format;
        std::string expected;
    } cases[] = {
        {"text.gz", Format::kGzip, text},
        {"joined.gz", Format::kGzip, compact + text},  // two members
        {"empty.gz", Format::kGzip, ""},
        {"text.Z", Format::kCompress, text},  // 9 to 16 bits, CLEAR codes
        {"text.b12.Z", Format::kCompress, text},
        {"text.b10.Z", Format::kCompress, text},
        {"empty.Z", Format::kCompress, ""},
    };
    for (const auto& c : cases) {
        const std::string bytes = readBytes(compressedFixture(c.name));
        // Reads of one byte and of more than any buffer, over sources that hand out one
        // byte or a large chunk at a time.
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} << 20}) {
            for (const std::size_t request : {std::size_t{1}, std::size_t{1} << 20}) {
                auto input = decoderOf(c.format, bytes, chunk, c.name);
                EXPECT_TRUE(testing::drain(*input, request) == c.expected)
                    << c.name << " chunk " << chunk << " request " << request;
            }
        }
    }
}

// Codes of nine bits, packed from the lowest bit up, after a .Z header.
std::string nineBitCodes(unsigned char flags, std::initializer_list<unsigned> codes) {
    std::string bytes = {'\x1f', '\x9d', static_cast<char>(flags)};
    unsigned bits = 0;
    unsigned count = 0;
    for (const unsigned code : codes) {
        bits |= code << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            bytes += static_cast<char>(bits & 0xff);
    }
    if (count > 0) bytes += static_cast<char>(bits);
    return bytes;
}

// Without block mode there is no CLEAR: code 256 is the table's first string.
TEST(CompressedInput, CompressWithoutBlockModeUsesCode256ForAString) {
    const auto input =
        decoderOf(Format::kCompress, nineBitCodes(0x10, {'a', 'b', 256, 258}), 1, "x.Z");
    EXPECT_EQ(testing::drain(*input, 3), "abababa");
}

std::string changed(std::string bytes, std::size_t fromEnd) {
    bytes[bytes.size() - fromEnd] ^= 0x55;
    return bytes;
}

TEST(CompressedInput, DamageEndsTheFileWithItsNameAndTheFault) {
    const std::string gz = readBytes(compressedFixture("text.gz"));
    const std::string z = readBytes(compressedFixture("text.Z"));
    const struct {
        Format format;
        std::string bytes;
        const char* fault;
    } cases[] = {
        {Format::kGzip, gz.substr(0, gz.size() - 10),
         "gzip data ends early: the file is cut short"},
        {Format::kGzip, changed(gz, 8), "gzip data damaged: the CRC in its trailer does not match"},
        {Format::kGzip, changed(gz, 1),
         "gzip data damaged: the length in its trailer does not match"},
        {Format::kGzip, "plain text\n", "not gzip data"},
        {Format::kGzip, gz + "more text", "data after the gzip data is not gzip"},
        {Format::kCompress, "plain text\n", "not data of Unix compress (.Z)"},
        {Format::kCompress, "\x1f\x9d\x91", "compressed with settings Unix compress does not have"},
        {Format::kCompress, z.substr(0, z.size() - 1), "compressed data ends inside a code"},
        {Format::kCompress, nineBitCodes(0x90, {'a', 300}),
         "compressed data damaged: code out of range"},
        {Format::kCompress, nineBitCodes(0x90, {257}),
         "compressed data damaged: code out of range"},
    };
    for (const auto& c : cases) {
        const auto input = decoderOf(c.format, c.bytes, 4096, "/gps/abcd0480.16d.Z");
        EXPECT_ERROR_WITH_PATH(testing::drain(*input, 4096),
                               std::string("/gps/abcd0480.16d.Z: ") + c.fault);
    }
}

}  // namespace
}  // namespace chronoflip
