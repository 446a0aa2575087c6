#include "decoder_helpers.h"

namespace chronoflip::testing {

std::string compressedFixture(const std::string& name) {
    return std::string(CHRONOFLIP_COMPRESSED_FIXTURES) + "/" + name;
}

std::string testData(const std::string& name) {
    return std::string(CHRONOFLIP_TEST_DATA) + "/" + name;
}

}  // namespace chronoflip::testing
