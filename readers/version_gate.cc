#include "readers/version_gate.h"

#include <algorithm>
#include <cstring>

#include "core/error.h"
#include "core/paths.h"
#include "readers/rinex3_navigation_input.h"
#include "readers/rinex3_observation_input.h"
#include "readers/rinex_version.h"

namespace chronoflip {

namespace {

// A first line is looked for in this many bytes; text without a line end in them is no
// RINEX and passes on untouched.
constexpr std::size_t kFirstLineLimit = 64 * 1024;

// The bytes read to find the first line, then the rest of the text.
class ReplayedInput final : public InputFile {
  public:
    ReplayedInput(std::string start, std::unique_ptr<InputFile> rest)
        : start_(std::move(start)), rest_(std::move(rest)) {}

    std::size_t read(char* buffer, std::size_t size) override {
        if (given_ == start_.size()) return rest_->read(buffer, size);
        const std::size_t n = std::min(size, start_.size() - given_);
        std::memcpy(buffer, start_.data() + given_, n);
        given_ += n;
        return n;
    }
    void close() override { rest_->close(); }

  private:
    std::string start_;
    std::size_t given_ = 0;
    std::unique_ptr<InputFile> rest_;
};

std::string_view firstLine(std::string_view start) {
    std::string_view line = start.substr(0, start.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view kindName(FileKind kind) {
    return kind == FileKind::kNavigation ? "navigation" : "observation";
}

}  // namespace

VersionGate::VersionGate(std::unique_ptr<InputFile> text, FileKind kind, std::string path,
                         ReadingOptions options, ReopenText reopen)
    : text_(std::move(text)),
      kind_(kind),
      path_(std::move(path)),
      options_(options),
      reopen_(std::move(reopen)) {}

VersionGate::~VersionGate() = default;

void VersionGate::decide() {
    std::string start;
    char chunk[4096];
    while (start.find('\n') == std::string::npos && start.size() < kFirstLineLimit) {
        const std::size_t n = text_->read(chunk, sizeof chunk);
        if (n == 0) break;
        start.append(chunk, n);
    }
    const RinexFirstLine first = readRinexFirstLine(firstLine(start), path_);
    auto text = std::make_unique<ReplayedInput>(std::move(start), std::move(text_));
    if (first.text == RinexText::kRinex2) {
        chosen_ = std::move(text);
        return;
    }
    const FileKind held =
        first.text == RinexText::kRinex3Navigation ? FileKind::kNavigation : FileKind::kObservation;
    if (held != kind_) {
        throw Error("the file holds RINEX " + first.version + " " + std::string(kindName(held)) +
                        " data, but its name says " + std::string(kindName(kind_)) + " data",
                    path_);
    }
    const ConversionSource source{path_, std::string(namePart(path_)), first.version};
    ConversionReport& report = options_.report ? *options_.report : unreported_;
    if (held == FileKind::kObservation) {
        chosen_ = std::make_unique<Rinex3ObservationInput>(std::move(text), source,
                                                           options_.systems, report);
    } else {
        chosen_ = std::make_unique<Rinex3NavigationInput>(std::move(text), source, reopen_, report);
    }
}

std::size_t VersionGate::read(char* buffer, std::size_t size) {
    if (!chosen_) decide();
    return chosen_->read(buffer, size);
}

void VersionGate::close() {
    if (chosen_) {
        chosen_->close();
    } else {
        text_->close();
    }
}

}  // namespace chronoflip
