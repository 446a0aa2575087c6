#include "readers/number_text.h"

#include <algorithm>

#include "core/text_fields.h"

namespace chronoflip {

namespace {

// The two exponent digits of a D field.
constexpr int kMaxExponent = 99;
// Exponents are read up to this size; larger ones are refused all the same.
constexpr int kExponentCap = 10000;
constexpr std::size_t kFourDecimalDigits = 5;  // D12.4: one before the point, four after
constexpr std::size_t kFourDecimalWidth = 12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSign(char c) {
    return c == '+' || c == '-';
}

// "D-09": the letter RINEX 2 writes, the exponent's sign and two digits.
void appendExponent(std::string& text, int exponent) {
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += 'D';
    text += exponent < 0 ? '-' : '+';
    text += static_cast<char>('0' + magnitude / 10);
    text += static_cast<char>('0' + magnitude % 10);
}

}  // namespace

std::optional<DecimalText> DecimalText::read(std::string_view text) {
    text = trimmed(text);
    DecimalText number;
    std::size_t i = 0;
    if (i < text.size() && isSign(text[i])) number.negative_ = text[i++] == '-';
    bool point = false;
    bool anyDigit = false;
    std::int64_t beforePoint = 0;   // digits before the point, leading zeros included
    std::int64_t leadingZeros = 0;  // zeros before the first other digit, on either side
    std::size_t seen = 0;           // digits from the first that is not 0
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c)) break;
        anyDigit = true;
        if (!point) ++beforePoint;
        if (seen == 0 && c == '0') {
            ++leadingZeros;
            continue;
        }
        if (seen < kKeptDigits) number.digits_[seen] = c;
        ++seen;
        if (c != '0') number.count_ = seen;
    }
    if (!anyDigit) return std::nullopt;
    std::int64_t exponent = 0;
    if (i < text.size()) {
        const char letter = text[i++];
        if (letter != 'D' && letter != 'd' && letter != 'E' && letter != 'e') return std::nullopt;
        bool negativeExponent = false;
        if (i < text.size() && isSign(text[i])) negativeExponent = text[i++] == '-';
        if (i == text.size()) return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!isDigit(text[i])) return std::nullopt;
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (number.count_ != 0) {
        number.exponent_ = static_cast<int>(std::clamp<std::int64_t>(
            exponent + beforePoint - leadingZeros, -kExponentCap, kExponentCap));
    }
    return number;
}

std::optional<std::string> DecimalText::zeroPointForm() const {
    if (count_ > kZeroPointDigits || exponent_ > kMaxExponent || exponent_ < -kMaxExponent)
        return std::nullopt;
    std::string text;
    text += negative_ && count_ != 0 ? '-' : ' ';
    text += "0.";
    for (std::size_t k = 0; k < kZeroPointDigits; ++k) text += k < count_ ? digits_[k] : '0';
    appendExponent(text, exponent_);
    return text;
}

std::optional<std::string> DecimalText::fourDecimalForm() const {
    std::array<char, kFourDecimalDigits> kept{};
    for (std::size_t k = 0; k < kept.size(); ++k) kept[k] = k < count_ ? digits_[k] : '0';
    int exponent = count_ == 0 ? 0 : exponent_ - 1;
    // Half away from zero: the next digit alone decides, whatever follows it.
    if (count_ > kept.size() && digits_[kept.size()] >= '5') {
        std::size_t k = kept.size();
        while (k > 0 && kept[k - 1] == '9') kept[--k] = '0';
        if (k == 0) {
            kept[0] = '1';  // 9.99995 becomes 10.0000, written 1.0000 one exponent up
            ++exponent;
        } else {
            ++kept[k - 1];
        }
    }
    if (exponent > kMaxExponent || exponent < -kMaxExponent) return std::nullopt;
    std::string text;
    if (negative_ && count_ != 0) text += '-';
    text += kept[0];
    text += '.';
    text.append(kept.data() + 1, kept.size() - 1);
    appendExponent(text, exponent);
    text.insert(0, kFourDecimalWidth - text.size(), ' ');
    return text;
}

}  // namespace chronoflip
