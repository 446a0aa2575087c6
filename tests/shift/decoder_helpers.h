#pragma once

#include <cstddef>
#include <string>

#include "core/file_system.h"

namespace chronoflip::testing {

// A file of the compressed inputs the build made with gzip and compress.
std::string compressedFixture(const std::string& name);
// A file of the committed test data.
std::string testData(const std::string& name);

// Everything a decoder gives, asked for in reads of the given size.
std::string drain(InputFile& input, std::size_t request);

}  // namespace chronoflip::testing
