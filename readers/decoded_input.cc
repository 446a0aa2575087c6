#include "readers/decoded_input.h"

#include "readers/compact_rinex_input.h"
#include "readers/gzip_input.h"
#include "readers/source_name.h"
#include "readers/unix_compress_input.h"

namespace chronoflip {

std::unique_ptr<InputFile> decodeAsNamed(std::unique_ptr<InputFile> raw, const std::string& path) {
    std::unique_ptr<InputFile> input = std::move(raw);
    switch (readSourceName(path).compression) {
        case Compression::kGzip:
            input = std::make_unique<GzipInput>(std::move(input), path);
            break;
        case Compression::kUnixCompress:
            input = std::make_unique<UnixCompressInput>(std::move(input), path);
            break;
        case Compression::kNone:
            break;
    }
    if (isCompactRinex(path)) input = std::make_unique<CompactRinexInput>(std::move(input), path);
    return input;
}

std::unique_ptr<InputFile> openDecoded(FileSystem& files, const std::string& path) {
    return decodeAsNamed(files.openRead(path), path);
}

}  // namespace chronoflip
