#include "readers/compact_rinex_text.h"

#include <algorithm>

#include "core/text_fields.h"

namespace chronoflip {

namespace {

constexpr std::size_t kSatelliteWidth = 3;
constexpr std::size_t kHeaderWidth = 80;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool readCount(std::string_view text, std::size_t& count) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    count = 0;
    for (const char c : text.substr(first)) {
        if (!isDigit(c)) return false;
        count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    return true;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

void applyDifference(char* text, std::size_t& size, std::string_view difference) {
    for (std::size_t i = 0; i < difference.size(); ++i) {
        const char c = difference[i];
        if (i >= size)
            text[size++] = c == '&' ? ' ' : c;
        else if (c == '&')
            text[i] = ' ';
        else if (c != ' ')
            text[i] = c;
    }
}

void applyDifference(std::string& text, std::string_view difference) {
    std::size_t size = text.size();
    text.resize(std::max(size, difference.size()));
    applyDifference(text.data(), size, difference);
}

std::uint32_t satelliteKey(std::string_view text, std::size_t start) {
    std::uint32_t key = 0;
    for (std::size_t i = start; i < start + kSatelliteWidth; ++i)
        key = key << 8 | static_cast<unsigned char>(i < text.size() ? text[i] : ' ');
    return key;
}

void failMalformed(std::string_view text, const NumberedLines& lines) {
    lines.fail("malformed number \"" + std::string(text) + "\"");
}

void readClock(std::string_view line, Arc& clock, const FixedField& field,
               const NumberedLines& lines) {
    if (line.empty()) {
        clock.live = false;
        return;
    }
    ArcToken token;
    if (!readArcToken(line, token)) failMalformed(line, lines);
    if (!token.starts && !clock.live)
        lines.fail("clock offset used before its arc was initialised");
    if (!advanceArc(clock, token) || !field.holds(clock.differences[0]))
        lines.fail("clock offset too long for its field");
}

void copyHeader(NumberedLines& lines, TextBuffer& out, std::string_view first,
                const std::function<void(std::string_view line, std::string_view label)>& read) {
    for (std::string_view line = first;;) {
        if (line.size() > kHeaderWidth) lines.fail("header line longer than 80 columns");
        const std::string_view label = headerLabel(line);
        read(line, label);
        out.put(line);
        out.endLine();
        if (label == "END OF HEADER") return;
        if (lines.atEnd()) lines.fail("the file ends before END OF HEADER");
        line = lines.next("the header");
    }
}

}  // namespace chronoflip
