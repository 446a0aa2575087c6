#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace chronoflip {

// Compact RINEX stores each observable, and the clock offset, as an arc of differences:
// "n&v" starts an arc of order n (0 to 5) with the value v itself, a bare number is the
// next difference of the running arc. Values are integers of the field's last decimal.
// Both run for every field of every epoch, so they are inline.
inline constexpr int kMaxArcOrder = 5;

struct ArcToken {
    bool starts = false;  // "n&v"
    int order = 0;
    std::int64_t value = 0;
};

// Reads a token from begin up to the first blank or end, and returns where it stopped.
// wellFormed tells whether it is "n&v" or "v", where v is an optional "-" and 1 to 18
// digits; an order above 5 is not. More digits cannot be a value of F14.3's range.
inline const char* scanArcToken(const char* begin, const char* end, ArcToken& token,
                                bool& wellFormed) {
    constexpr int kMaxDigits = 18;
    // Locals, not the references, inside the loop: stores through them would be repeated
    // for every digit.
    const char* p = begin;
    if (p == end || *p == ' ') {  // an empty field
        token = ArcToken();
        wellFormed = false;
        return p;
    }
    bool valid = true;
    bool starts = false;
    int order = 0;
    if (end - p >= 2 && p[1] == '&') {
        valid = p[0] >= '0' && p[0] <= '0' + kMaxArcOrder;
        starts = true;
        order = p[0] - '0';
        p += 2;
    }
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    const char* const digits = p;
    std::uint64_t value = 0;  // wraps harmlessly past 18 digits, which are refused
    for (; p != end && *p != ' '; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        valid &= digit <= 9;
        value = value * 10 + digit;
    }
    wellFormed = valid && p != digits && p - digits <= kMaxDigits;
    token.starts = starts;
    token.order = order;
    token.value = static_cast<std::int64_t>(negative ? 0 - value : value);
    return p;
}

// Reads the whole of text as one token; false unless it is well formed.
inline bool readArcToken(std::string_view text, ArcToken& token) {
    const char* const end = text.data() + text.size();
    bool wellFormed = false;
    return scanArcToken(text.data(), end, token, wellFormed) == end && wellFormed;
}

// An arc keeps, from its last epoch, the value and its differences up to its order.
struct Arc {
    std::array<std::int64_t, kMaxArcOrder + 1> differences{};  // [0] is the value
    int order = 0;
    int held = 0;  // differences known beyond the value: epochs since the start, capped at order
    bool live = false;
};

// Takes the arc's next token: a start sets order and value, a difference is integrated.
// False when a sum overflows 64 bits.
inline bool advanceArc(Arc& arc, const ArcToken& token) {
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
