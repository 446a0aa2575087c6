#include "shift/processing_run.h"

#include <memory>
#include <optional>

#include "core/line_reader.h"
#include "core/line_writer.h"
#include "core/paths.h"
#include "core/version.h"
#include "readers/decoded_input.h"
#include "readers/source_name.h"
#include "shift/progress_meter.h"
#include "shift/rewriter.h"

namespace chronoflip {

namespace {

constexpr std::array<std::string_view, 2> kClosingLog{"", kFinishedBanner};

// Counts the bytes a source gives, beneath any decoder: the share of a compressed file
// read is the share of its text.
class CountingInput final : public InputFile {
  public:
    CountingInput(std::unique_ptr<InputFile> file, SourceCount& count)
        : file_(std::move(file)), count_(count) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t n = file_->read(buffer, size);
        count_.read += n;
        return n;
    }
    void close() override { file_->close(); }

  private:
    std::unique_ptr<InputFile> file_;
    SourceCount& count_;
};

Rewriter rewriterFor(FileKind kind) {
    switch (kind) {
        case FileKind::kSp3:
            return rewriteSp3;
        case FileKind::kNavigation:
            return rewriteNavigation;
        case FileKind::kObservation:
            return rewriteObservation;
    }
    return nullptr;
}

// What one run keeps while it goes through the files.
struct Run {
    const RunRequest& request;
    const std::string stamp;
    RunObserver& observer;
    CorrectionPair& corrections;
    FileSystem& files;
    ProgressMeter progress;
};

// Rewrites one source into its work file. When the rewriter fails, what it wrote is
// still handed to the work file so the user can see how far it got; the rewriter's own
// error is the one reported.
std::string rewriteFile(Run& run, FileKind kind, InputFile& source, SourceCount& count,
                        OutputFile& work, const std::string& sourcePath) {
    // Observation files, the large ones, are read ahead, their epoch lines found there: their
    // rewriter reads no other file meanwhile, where the navigation rewriter reads its source
    // a second time.
    const bool observation = kind == FileKind::kObservation;
    LineReader reader(source, LineReader::kDefaultBufferSize,
                      observation ? ReadAhead::kOn : ReadAhead::kOff, &count,
                      observation ? std::optional(kEpochLineMark) : std::nullopt);
    LineWriter writer(work);
    RewriteJob job{.source = reader,
                   .work = writer,
                   .sourcePath = sourcePath,
                   .files = run.files,
                   .stamp = run.stamp,
                   .buildYearExtension = namesByYear(run.request.outputMode, kind),
                   .corrections = run.corrections,
                   .progress = run.progress};
    std::string yearExtension;
    try {
        yearExtension = rewriterFor(kind)(job);
    } catch (...) {
        try {
            writer.flush();
        } catch (...) {
            // The disk refusing the rest changes nothing: the first failure is reported.
        }
        throw;
    }
    writer.flush();
    return yearExtension;
}

void processFile(Run& run, std::size_t index) {
    const std::string& path = run.request.files[index];
    run.observer.fileStarted(index, path);
    ShiftedFile file{path, outputNamePath(path), {}};
    SourceCount count;
    ConversionReport conversion;
    const std::unique_ptr<InputFile> source =
        decodeAsNamed(std::make_unique<CountingInput>(run.files.openRead(path), count), run.files,
                      path, {run.request.systems, &conversion});
    const std::unique_ptr<OutputFile> work = run.files.create(workFilePath(file.outputPath));
    const std::optional<FileKind> kind = fileKind(path);
    if (!kind) {
        run.observer.fileSkipped(path, kInvalidFileType);
        source->close();
        work->close();
        return;
    }
    run.progress.startSource(count.taken, run.files.fileSize(path));
    file.yearExtension = rewriteFile(run, *kind, *source, count, *work, path);
    run.observer.fileDone(path);
    if (!conversion.note.empty()) run.observer.fileConverted(conversion.note);
    source->close();
    work->close();
    applyOutputMode(run.files, file, run.request.outputMode, *kind);
}

}  // namespace

// The caption is the program's name and version.
std::string modificationStamp(std::string_view dateText) {
    std::string stamp(kProgramCaption);
    stamp += "   ";
    stamp += dateText;
    return stamp;
}

void runProcessing(const RunRequest& request, RunObserver& observer, CorrectionPair& corrections,
                   FileSystem& files) {
    Run run{.request = request,
            .stamp = modificationStamp(request.dateText),
            .observer = observer,
            .corrections = corrections,
            .files = files,
            .progress = ProgressMeter(observer)};
    run.progress.empty();
    for (std::size_t i = 0; i != request.files.size(); ++i) {
        processFile(run, i);
        run.progress.fill();
    }
    observer.runFinished(kClosingLog);
}

}  // namespace chronoflip
