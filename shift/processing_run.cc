#include "shift/processing_run.h"

#include <memory>

#include "core/line_reader.h"
#include "core/line_writer.h"
#include "core/paths.h"
#include "shift/decoded_input.h"
#include "shift/output_mode.h"
#include "shift/rewriter.h"
#include "shift/source_name.h"

namespace chronoflip {

namespace {

Rewriter rewriterFor(char kind) {
    switch (kind) {
        case '3':
            return rewriteSp3;
        case 'n':
            return rewriteNavigation;
        case 'o':
            return rewriteObservation;
        default:
            return nullptr;
    }
}

struct RunSettings {
    const std::string& stamp;
    int outputMode;
    std::int32_t lineCount;
};

// Rewrites one source into its work file. When the rewriter fails, what it wrote is
// still handed to the work file so the user can see how far it got; the rewriter's own
// error is the one reported.
void rewriteFile(Rewriter rewrite, InputFile& source, OutputFile& work, FileContext& file,
                 const RunSettings& settings, RunHost& host, DateCorrections& corrections,
                 FileSystem& files) {
    LineReader reader(source);
    LineWriter writer(work);
    RewriteJob job{
        reader, writer,      file, settings.stamp, settings.outputMode, settings.lineCount,
        host,   corrections, files};
    try {
        rewrite(job);
    } catch (...) {
        try {
            writer.flush();
        } catch (...) {
            // The disk refusing the rest changes nothing: the first failure is reported.
        }
        throw;
    }
    writer.flush();
}

void processFile(int index, const std::string& stamp, RunHost& host, DateCorrections& corrections,
                 FileSystem& files) {
    host.selectFile(index);
    FileContext file;
    file.sourcePath = host.fileAt(index);
    file.outputPath = outputNamePath(file.sourcePath);
    const std::unique_ptr<InputFile> source = openDecoded(files, file.sourcePath);
    const std::unique_ptr<OutputFile> work = files.create(workFilePath(file.outputPath));
    file.kind = contentKind(file.sourcePath);
    const Rewriter rewrite = rewriterFor(file.kind);
    const int outputMode = host.outputMode();
    if (rewrite == nullptr) {
        host.showMessage(kInvalidFileType);
        source->close();
        work->close();
        return;
    }
    const RunSettings settings{stamp, outputMode, host.lineCount(index)};
    rewriteFile(rewrite, *source, *work, file, settings, host, corrections, files);
    host.appendLog(file.sourcePath);
    source->close();
    work->close();
    applyOutputMode(files, file, outputMode);
}

}  // namespace

std::string modificationStamp(std::string_view caption, std::string_view dateText) {
    const std::string_view version = caption.substr(caption.size() < 3 ? 0 : caption.size() - 3);
    std::string stamp = "Chronoflip ";
    stamp += version;
    stamp += "   ";
    stamp += dateText;
    return stamp;
}

void runProcessing(RunHost& host, DateCorrections& corrections, FileSystem& files) {
    host.setProgressPosition(0);
    const std::string stamp = modificationStamp(host.caption(), host.todayText());
    host.disableProcessButton();
    for (int i = 0; i != host.fileCount(); ++i) {
        processFile(i, stamp, host, corrections, files);
        host.setProgressPosition(host.progressMax());
    }
    host.appendLog("");
    host.appendLog(kFinishedBanner);
}

}  // namespace chronoflip
