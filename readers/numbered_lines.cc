#include "readers/numbered_lines.h"

#include "core/error.h"

namespace chronoflip {

namespace {

constexpr std::size_t kReaderBuffer = 64 * 1024;

}  // namespace

NumberedLines::NumberedLines(InputFile& file, std::string path, std::string format)
    : lines_(file, kReaderBuffer), path_(std::move(path)), format_(std::move(format)) {}

std::string_view NumberedLines::next(std::string_view inside) {
    if (lines_.atEnd()) fail("the file ends inside " + std::string(inside) + ": it is cut short");
    const std::string_view line = lines_.next();
    ++number_;
    if (!lines_.lineEnded()) fail("the last line has no line end: the file is cut short");
    return line;
}

void NumberedLines::fail(std::string_view problem) const {
    failAt(number_, problem);
}

void NumberedLines::failAt(std::size_t line, std::string_view problem) const {
    const std::string where = line == 0 ? "file" : "line " + std::to_string(line);
    throw Error(format_ + " " + where + ": " + std::string(problem), path_);
}

}  // namespace chronoflip
