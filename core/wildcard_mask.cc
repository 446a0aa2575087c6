#include "core/wildcard_mask.h"

#include <algorithm>

namespace chronoflip {

namespace {

unsigned char folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool sameLetter(char a, char b) {
    return folded(a) == folded(b);
}

// Greedy match that returns to the last "*" on a mismatch: linear in practice and never
// exponential, whatever the pattern.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
    for (;;) {
        const std::size_t end = mask.find(';');
        if (matchesPattern(name, mask.substr(0, end))) return true;
        if (end == std::string_view::npos) return false;
        mask.remove_prefix(end + 1);
    }
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(), sameLetter);
    if (mismatch.first != a.end() && mismatch.second != b.end()) {
        return folded(*mismatch.first) < folded(*mismatch.second);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameLetter);
}

}  // namespace chronoflip
