#include "rewrite_harness.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "core/error.h"
#include "core/line_reader.h"
#include "core/paths.h"
#include "memory_files.h"
#include "readers/rinex_version.h"
#include "recording_run_observer.h"
#include "shift/processing_run.h"

namespace chronoflip::fuzzing {

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

std::size_t countLines(const std::string& bytes) {
    std::size_t lines = 0;
    forEachLine(bytes, [&](std::string_view) { ++lines; });
    return lines;
}

bool onlyCrLfLineEnds(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    }
    return true;
}

bool knownMessage(const std::string& message) {
    static const std::set<std::string> known = {kInvalidDate, kRangeCheckError, kIntegerOverflow,
                                                kNoFirstObservation, kNoEndOfHeader};
    // A first line that says RINEX 3 or 4, or a version no one knows, is the readers' to
    // convert or refuse, in words of their own.
    static const std::string readers[] = {"RINEX version ", "RINEX 3 line ", "RINEX 4 line ",
                                          "the file holds RINEX "};
    for (const std::string& start : readers) {
        if (message.rfind(start, 0) == 0) return true;
    }
    return known.count(message) != 0 || message.rfind("Unable to rename", 0) == 0 ||
           message.rfind("ErrorNr. 0Unable to rename", 0) == 0;
}

// The shifted copy wherever the output mode put it: after the year rename it is the one
// file besides the source.
std::string outputOf(testing::MemoryFileSystem& files, const std::string& source, OutputMode mode) {
    if (mode == OutputMode::kOverwriteWithBackup) return files.files[source];
    if (mode == OutputMode::kYearInExtension) {
        for (const auto& [path, bytes] : files.files) {
            if (path != source) return bytes;
        }
    }
    return files.files[workFilePath(source)];
}

}  // namespace

RewriteResult fuzzRewrite(const std::string& name, const std::uint8_t* data, std::size_t size) {
    RewriteResult result;
    if (size == 0) return result;
    constexpr OutputMode kModes[] = {OutputMode::kKeepWorkFile, OutputMode::kYearInExtension,
                                     OutputMode::kOverwriteWithBackup};
    const OutputMode mode = kModes[data[0] % 3];
    const std::string text = sourceText(data, size);
    const std::string source = "/gps/" + name;

    testing::MemoryFileSystem files;
    files.files[source] = text;
    testing::RecordingRunObserver observer;
    CorrectionPair corrections;
    try {
        runProcessing({{source}, mode, "18/02/2016"}, observer, corrections, files);
        result.finished = true;
    } catch (const Error& error) {
        require(knownMessage(error.what()), error.what());
    }

    const bool replaced = result.finished && mode == OutputMode::kOverwriteWithBackup;
    require(files.files.count(replaced ? backupPath(source) : source) == 1, "source lost");
    require(files.files[replaced ? backupPath(source) : source] == text, "source changed");
    const std::string work =
        outputOf(files, source, result.finished ? mode : OutputMode::kKeepWorkFile);
    require(onlyCrLfLineEnds(work), "a line end other than CR LF");
    result.sourceLines = countLines(text);
    result.workLines = countLines(work);
    return result;
}

std::string sourceText(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string()
                     : std::string(reinterpret_cast<const char*>(data + 1), size - 1);
}

void forEachLine(const std::string& bytes, const std::function<void(std::string_view)>& onLine) {
    testing::StringInput input(bytes);
    LineReader reader(input, 4096);
    while (!reader.atEnd()) onLine(reader.next());
}

bool convertedOnTheWay(const std::uint8_t* data, std::size_t size) {
    std::string firstLine;
    bool first = true;
    forEachLine(sourceText(data, size), [&](std::string_view line) {
        if (first) firstLine = line;
        first = false;
    });
    try {
        return readRinexFirstLine(firstLine, "fuzz").text != RinexText::kRinex2;
    } catch (const Error&) {
        return true;
    }
}

}  // namespace chronoflip::fuzzing
