#include "readers/decoded_input.h"

#include "readers/compact_rinex_input.h"
#include "readers/gzip_input.h"
#include "readers/source_name.h"
#include "readers/unix_compress_input.h"
#include "readers/version_gate.h"

namespace chronoflip {

namespace {

// The text inside the file's compression and Compact RINEX encoding.
std::unique_ptr<InputFile> unpacked(std::unique_ptr<InputFile> input, const std::string& path) {
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

}  // namespace

std::unique_ptr<InputFile> decodeAsNamed(std::unique_ptr<InputFile> raw, FileSystem& files,
                                         const std::string& path, const ReadingOptions& options) {
    std::unique_ptr<InputFile> text = unpacked(std::move(raw), path);
    const std::optional<FileKind> kind = fileKind(path);
    if (kind != FileKind::kObservation && kind != FileKind::kNavigation) return text;
    ReopenText reopen = [&files, path] { return unpacked(files.openRead(path), path); };
    return std::make_unique<VersionGate>(std::move(text), *kind, path, options, std::move(reopen));
}

std::unique_ptr<InputFile> openUnpacked(FileSystem& files, const std::string& path) {
    return unpacked(files.openRead(path), path);
}

std::unique_ptr<InputFile> openDecoded(FileSystem& files, const std::string& path,
                                       const ReadingOptions& options) {
    return decodeAsNamed(files.openRead(path), files, path, options);
}

}  // namespace chronoflip
