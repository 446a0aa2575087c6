#pragma once

#include <string>
#include <string_view>

#include "core/paths.h"

namespace chronoflip {

// The folder a project keeps its RINEX files in, with a closing separator.
std::string rinexFolderOf(std::string_view projectFolder, const PathStyle& style = kPlatformPaths);

}  // namespace chronoflip
