#include "core/chunk_survey.h"

#include <cstring>

namespace chronoflip {

namespace {

constexpr char kCtrlZ = 26;

}  // namespace

ChunkSurvey surveyChunk(const char* data, std::size_t read) {
    ChunkSurvey survey{.read = read, .text = read};
    if (const void* stop = std::memchr(data, kCtrlZ, read)) {
        survey.text = static_cast<std::size_t>(static_cast<const char*>(stop) - data);
    }
    survey.loneCr = hasLoneCr(data, survey.text);
    return survey;
}

// Written branch-free so the compiler vectorises it.
bool hasLoneCr(const char* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    unsigned char found = 0;
    for (std::size_t i = 0; i + 1 < size; ++i) {
        found |= static_cast<unsigned char>((bytes[i] == '\r') & (bytes[i + 1] != '\n'));
    }
    return found != 0;
}

}  // namespace chronoflip
