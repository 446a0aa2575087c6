#include "decoder_helpers.h"

#include <vector>

namespace chronoflip::testing {

std::string compressedFixture(const std::string& name) {
    return std::string(CHRONOFLIP_COMPRESSED_FIXTURES) + "/" + name;
}

std::string testData(const std::string& name) {
    return std::string(CHRONOFLIP_TEST_DATA) + "/" + name;
}

std::string drain(InputFile& input, std::size_t request) {
    std::vector<char> buffer(request);
    std::string bytes;
    while (const std::size_t n = input.read(buffer.data(), buffer.size()))
        bytes.append(buffer.data(), n);
    return bytes;
}

}  // namespace chronoflip::testing
