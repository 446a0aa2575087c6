#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace chronoflip {

// Compact RINEX stores each observable, and the clock offset, as an arc of differences:
// "n&v" starts an arc of order n (0 to 5) with the value v itself, a bare number is the
// next difference of the running arc. Values are integers of the field's last decimal.
inline constexpr int kMaxArcOrder = 5;

struct ArcToken {
    bool starts = false;  // "n&v"
    int order = 0;
    std::int64_t value = 0;
};

// Reads "n&v" or "v", where v is an optional "-" and 1 to 18 digits; false for anything
// else, an order above 5 included.
bool readArcToken(std::string_view text, ArcToken& token);

// An arc keeps, from its last epoch, the value and its differences up to its order.
struct Arc {
    std::array<std::int64_t, kMaxArcOrder + 1> differences{};  // [0] is the value
    int order = 0;
    int held = 0;  // differences known beyond the value: epochs since the start, capped at order
    bool live = false;
};

// Takes the arc's next token: a start sets order and value, a difference is integrated.
// False when a sum overflows 64 bits.
bool advanceArc(Arc& arc, const ArcToken& token);

}  // namespace chronoflip
