#pragma once

#include <string>

#include "memory_files.h"

namespace chronoflip::testing {

// A file of the compressed inputs the build made with gzip and compress.
std::string compressedFixture(const std::string& name);
// A file of the committed test data.
std::string testData(const std::string& name);

}  // namespace chronoflip::testing
