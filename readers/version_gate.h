#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/file_system.h"
#include "readers/decoded_input.h"
#include "readers/source_name.h"

namespace chronoflip {

// Decides by a RINEX text's first line how it reaches the rewriters: RINEX 2 (and any text
// whose first line is no RINEX VERSION / TYPE record) as it is, RINEX 3 and 4 through the
// converter to RINEX 2.11. A version it does not know, and a text of another kind than its
// name says, fail with an Error naming the file.
class VersionGate final : public InputFile {
  public:
    VersionGate(std::unique_ptr<InputFile> text, FileKind kind, std::string path,
                ReadingOptions options, ReopenText reopen);
    ~VersionGate() override;

    std::size_t read(char* buffer, std::size_t size) override;
    void close() override;

  private:
    void decide();

    std::unique_ptr<InputFile> text_;  // until decided; then the reader inside the chosen one
    std::unique_ptr<InputFile> chosen_;
    FileKind kind_;
    std::string path_;
    ReadingOptions options_;
    ReopenText reopen_;
    ConversionReport unreported_;  // the report when the caller asked for none
};

}  // namespace chronoflip
