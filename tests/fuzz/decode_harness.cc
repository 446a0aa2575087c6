#include "decode_harness.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "memory_files.h"
#include "readers/compact_rinex_input.h"
#include "readers/gzip_input.h"
#include "readers/rinex3_navigation_input.h"
#include "readers/rinex3_observation_input.h"
#include "readers/unix_compress_input.h"

namespace chronoflip::fuzzing {

namespace {

constexpr const char* kPath = "/gps/abcd0480.16d.Z";
// Decoded text kept for the comparison; a small input may expand a thousandfold.
constexpr std::size_t kTextLimit = std::size_t{64} << 20;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

// The version the gate reads in line 1, as the navigation converter takes it: RINEX 4 when
// the text's first character that is not blank is a 4, RINEX 3 otherwise.
std::string navigationVersion(const std::string& bytes) {
    const std::size_t first = bytes.find_first_not_of(' ');
    return first != std::string::npos && bytes[first] == '4' ? "4.00" : "3.04";
}

std::unique_ptr<InputFile> decoderOf(Decoder decoder, const std::string& bytes, std::size_t chunk) {
    auto source = std::make_unique<testing::StringInput>(bytes, chunk);
    switch (decoder) {
        case Decoder::kGzip:
            return std::make_unique<GzipInput>(std::move(source), kPath);
        case Decoder::kUnixCompress:
            return std::make_unique<UnixCompressInput>(std::move(source), kPath);
        case Decoder::kCompactRinex:
            return std::make_unique<CompactRinexInput>(std::move(source), kPath);
        case Decoder::kRinex3Observation: {
            // Every system RINEX 2.11 holds, so that every path of the conversion is taken.
            static ConversionReport report;
            return std::make_unique<Rinex3ObservationInput>(
                std::move(source), ConversionSource{kPath, "abcd0480.16d.Z", "3.04"},
                KeptSystems::kGpsGlonassGalileoSbas, report);
        }
        case Decoder::kRinex3Navigation: {
            static ConversionReport report;
            // The first reading sees the same bytes in the same pieces.
            return std::make_unique<Rinex3NavigationInput>(
                std::move(source),
                ConversionSource{kPath, "abcd0480.16d.Z", navigationVersion(bytes)},
                [bytes, chunk] { return std::make_unique<testing::StringInput>(bytes, chunk); },
                report);
        }
    }
    std::abort();
}

struct Reading {
    std::string text;
    std::string message;  // empty when the reading ended cleanly
    bool limited = false;
};

Reading readAll(Decoder decoder, const std::string& bytes, std::size_t chunk, std::size_t request) {
    const auto input = decoderOf(decoder, bytes, chunk);
    std::vector<char> buffer(request);
    Reading reading;
    try {
        while (!(reading.limited = reading.text.size() >= kTextLimit)) {
            const std::size_t n = input->read(buffer.data(), buffer.size());
            require(n <= request, "a read past the buffer");
            if (n == 0) break;
            reading.text.append(buffer.data(), n);
        }
    } catch (const Error& error) {
        reading.message = withPath(error);
        require(reading.message.rfind(std::string(kPath) + ": ", 0) == 0,
                "a message not naming the file");
    }
    return reading;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

void fuzzDecode(Decoder decoder, const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const std::size_t chunk = std::size_t{data[0]} + 1;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const Reading pieces = readAll(decoder, bytes, chunk, 7);
    const Reading whole = readAll(decoder, bytes, bytes.size() + 1, 1 << 16);
    if (pieces.limited || whole.limited) return;
    require(pieces.message == whole.message, "the outcome depends on buffer boundaries");
    // Text decoded in the read that failed is not handed out, so after a failure one
    // reading may have got further than the other.
    if (pieces.message.empty()) {
        require(pieces.text == whole.text, "the text depends on buffer boundaries");
    } else {
        require(startsWith(pieces.text, whole.text) || startsWith(whole.text, pieces.text),
                "the text depends on buffer boundaries");
    }
}

}  // namespace chronoflip::fuzzing
