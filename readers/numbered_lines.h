#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_system.h"
#include "core/line_reader.h"

namespace chronoflip {

// The lines of a text a reader decodes or converts, counted so that a fault can name the
// line it was found in. The formats read this way end every line with LF: a last line
// without one is a file cut short, maybe inside a number, and fails.
class NumberedLines {
  public:
    // format names the text in messages: "Compact RINEX", "RINEX 3".
    NumberedLines(InputFile& file, std::string path, std::string format);

    bool atEnd() { return lines_.atEnd(); }
    // The next line, which must be there: past the end the file is cut short "inside" what
    // the caller reads ("an epoch", "a record"). Fails as well for a last line without LF.
    std::string_view next(std::string_view inside);
    // The number of the line last read, from 1; 0 before the first.
    std::size_t number() const { return number_; }
    const std::string& path() const { return path_; }

    // Throws an Error naming the file: "<format> line N: problem".
    [[noreturn]] void fail(std::string_view problem) const;
    [[noreturn]] void failAt(std::size_t line, std::string_view problem) const;

  private:
    LineReader lines_;
    std::string path_;
    std::string format_;
    std::size_t number_ = 0;
};

}  // namespace chronoflip
