#pragma once

#include <memory>
#include <string>

#include "core/file_system.h"

namespace chronoflip {

// Opens a source for reading the text it holds: through gzip or Unix compress as its name
// ends (".gz", ".Z"), then through Compact RINEX when its plain name's kind letter is d.
// Nothing is read before the first read(); a source that is not what its name says fails
// there with an Error naming it. Plain sources are read as they are.
std::unique_ptr<InputFile> openDecoded(FileSystem& files, const std::string& path);

// The same for a file already open, for callers that watch its raw reads.
std::unique_ptr<InputFile> decodeAsNamed(std::unique_ptr<InputFile> raw, const std::string& path);

}  // namespace chronoflip
