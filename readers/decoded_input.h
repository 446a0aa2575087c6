#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/file_system.h"
#include "readers/conversion.h"
#include "readers/gnss_systems.h"

namespace chronoflip {

// How RINEX 3 and 4 files are turned into RINEX 2.11.
struct ReadingOptions {
    KeptSystems systems = kDefaultKeptSystems;
    // Told what a conversion did, for the run's log; may be null.
    ConversionReport* report = nullptr;
};

// Opens a source for reading the RINEX 2 or SP3 text it holds: through gzip or Unix
// compress as its name ends (".gz", ".Z"), then through Compact RINEX (kind letter d,
// ".crx"), then, for observation and navigation files whose first line says RINEX 3 or 4,
// through the converter to RINEX 2.11. Nothing is read before the first read(); a source
// that is not what its name says fails there with an Error naming it. Plain RINEX 2 and
// SP3 sources are read as they are.
std::unique_ptr<InputFile> openDecoded(FileSystem& files, const std::string& path,
                                       const ReadingOptions& options = {});

// The same for a file already open, for callers that watch its raw reads; files reopens
// the source when a conversion needs a second look at it.
std::unique_ptr<InputFile> decodeAsNamed(std::unique_ptr<InputFile> raw, FileSystem& files,
                                         const std::string& path, const ReadingOptions& options);

// The text inside a source's compression and Compact RINEX encoding, not converted: RINEX
// 3 and 4 stay as they are.
std::unique_ptr<InputFile> openUnpacked(FileSystem& files, const std::string& path);

// Opens the RINEX text of a source again, unpacked but not converted: a converter that
// must count what it leaves out before it writes the header reads it this way.
using ReopenText = std::function<std::unique_ptr<InputFile>()>;

}  // namespace chronoflip
