#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace chronoflip {

// A number as RINEX text writes it ("-.3725290298E-08", "0.2794D-07", "18"), kept as its
// decimal digits: rewritten in another layout it keeps its value exactly, which a trip
// through binary floating point would not.
class DecimalText {
  public:
    // The digits of a D19.12 field.
    static constexpr std::size_t kZeroPointDigits = 12;

    // Blanks, an optional sign, digits with at most one point, then optionally an exponent
    // letter (D, d, E or e), an optional sign and digits, then blanks. Nothing for anything
    // else ("1.0 D+00", "D-08", "1.2.3").
    static std::optional<DecimalText> read(std::string_view text);

    // Digits from the first to the last that is not 0: trailing zeros add no precision.
    std::size_t significantDigits() const { return count_; }

    // " 0.931322574620D-09": D19.12 with "0." before twelve digits, the layout RINEX 2
    // headers write A0 and A1 in. Nothing when the value needs more than twelve digits or an
    // exponent beyond 99 either way.
    std::optional<std::string> zeroPointForm() const;

    // "  1.0245D-08": D12.4 with one digit before the point, as RINEX 3 headers write their
    // ionosphere parameters, rounded half away from zero. Nothing for an exponent beyond 99
    // either way.
    std::optional<std::string> fourDecimalForm() const;

  private:
    // More digits than a D19.12 field holds are counted but not kept.
    static constexpr std::size_t kKeptDigits = 13;

    bool negative_ = false;
    std::array<char, kKeptDigits> digits_{};  // significant digits, the first kKeptDigits
    std::size_t count_ = 0;                   // 0 for the value zero
    int exponent_ = 0;                        // the value is 0.digits x 10^exponent_
};

}  // namespace chronoflip
