#include "readers/compact_rinex_arc.h"

#include <algorithm>

namespace chronoflip {

namespace {
constexpr std::size_t kMaxDigits = 18;  // any more cannot be a value of F14.3's range
}  // namespace

bool readArcToken(std::string_view text, ArcToken& token) {
    token = ArcToken();
    if (text.size() >= 2 && text[1] == '&') {
        if (text[0] < '0' || text[0] > '0' + kMaxArcOrder) return false;
        token.starts = true;
        token.order = text[0] - '0';
        text.remove_prefix(2);
    }
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > kMaxDigits) return false;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    token.value = negative ? -value : value;
    return true;
}

bool advanceArc(Arc& arc, const ArcToken& token) {
    auto& d = arc.differences;
    arc.live = true;
    if (token.starts) {
        arc.order = token.order;
        arc.held = 0;
        d[0] = token.value;
        return true;
    }
    // The token is the highest difference known so far; each lower one is the one above
    // it plus its own value from the last epoch.
    arc.held = std::min(arc.held + 1, arc.order);
    d[arc.held] = token.value;
    for (int i = arc.held - 1; i >= 0; --i) {
        if (__builtin_add_overflow(d[i + 1], d[i], &d[i])) return false;
    }
    return true;
}

}  // namespace chronoflip
