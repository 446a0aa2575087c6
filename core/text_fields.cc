#include "core/text_fields.h"

#include <algorithm>
#include <charconv>

namespace chronoflip {

std::string_view field(std::string_view line, Columns columns) {
    std::size_t start = columns.first <= 1 ? 0 : static_cast<std::size_t>(columns.first - 1);
    if (columns.length <= 0 || start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(columns.length));
}

std::string_view fromColumn(std::string_view line, int first) {
    const std::size_t start = first <= 1 ? 0 : static_cast<std::size_t>(first - 1);
    return start >= line.size() ? std::string_view{} : line.substr(start);
}

std::string_view upToColumn(std::string_view line, int last) {
    return last <= 0 ? std::string_view{} : line.substr(0, static_cast<std::size_t>(last));
}

namespace {

int digitValue(char c, int base) {
    int value = 36;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'z') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::int64_t parseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    const bool stoppedEarly = i < text.size();
    if (negative && !stoppedEarly) value = 0 - value;
    return static_cast<std::int64_t>(value);
}

bool readUnsignedField(std::string_view text, std::uint64_t& value) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos || text.size() - first > 18) return false;
    value = 0;
    for (const char c : text.substr(first)) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view headerLabel(std::string_view line) {
    return line.size() < 61 ? std::string_view{} : trimmed(field(line, {61, 20}));
}

std::string_view IntText::format(std::int64_t value, int width) {
    char* const end = buffer_.data() + buffer_.size();
    const auto [digitsEnd, error] = std::to_chars(buffer_.data(), end, value);
    (void)error;  // 64 characters always hold an int64
    const auto length = static_cast<int>(digitsEnd - buffer_.data());
    const int padding = std::clamp(width - length, 0, static_cast<int>(buffer_.size()) - length);
    if (padding > 0) {
        std::copy_backward(buffer_.data(), digitsEnd, digitsEnd + padding);
        std::fill_n(buffer_.data(), padding, ' ');
    }
    return {buffer_.data(), static_cast<std::size_t>(length + padding)};
}

std::string decimal(std::int64_t value, int width) {
    IntText text;
    return std::string(text.format(value, width));
}

void padTo(std::string& text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
}

}  // namespace chronoflip
