#include "readers/number_text.h"

#include <gtest/gtest.h>

namespace chronoflip {
namespace {

std::string zeroPoint(std::string_view text) {
    return DecimalText::read(text).value().zeroPointForm().value_or("none");
}

std::string fourDecimals(std::string_view text) {
    return DecimalText::read(text).value().fourDecimalForm().value_or("none");
}

// A0 and A1 of TIME SYSTEM CORR keep their value exactly in the 0.-form of D19.12.
TEST(DecimalText, RewritesInTheZeroPointFormExactly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {" 9.3132257462E-10", " 0.931322574620D-09"},
        {" 5.329070518E-15", " 0.532907051800D-14"},
        {" -.3725290298E-08", "-0.372529029800D-08"},
        {" -.106581410E-13", "-0.106581410000D-13"},
        {"0.1862645149D-08", " 0.186264514900D-08"},  // a leading zero dropped
        {"0.0000000000e+00", " 0.000000000000D+00"},
        {"-0.0", " 0.000000000000D+00"},
        {"1234.5", " 0.123450000000D+04"},
        {"0.000123", " 0.123000000000D-03"},
        {"123456789012000E-16", " 0.123456789012D-01"},  // trailing zeros add no digit
        {"1234567890123E-10", "none"},                   // 13 significant digits
        {"1.0E+99", "none"},                             // 0.1D+100
        {"1.0E-100", " 0.100000000000D-99"},
    };
    for (const auto& [text, form] : cases) EXPECT_EQ(zeroPoint(text), form) << text;
}

// ION ALPHA and ION BETA from RINEX 4 records: D12.4 with one digit before the point,
// rounded half away from zero on the decimal text.
TEST(DecimalText, RoundsToFourDecimalsHalfAwayFromZero) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"1.024454832077E-08", "  1.0245D-08"},
        {"2.235174179077E-08", "  2.2352D-08"},
        {"-5.960464477539E-08", " -5.9605D-08"},
        {"-5.898240000000E+05", " -5.8982D+05"},
        {"1.000050000000E+00", "  1.0001D+00"},
        {"-1.000049999999E+00", " -1.0000D+00"},
        {"9.999950000000E-01", "  1.0000D+00"},
        {"0.000000000000E+00", "  0.0000D+00"},
        {".1024454832D-07", "  1.0245D-08"},
        {"5", "  5.0000D+00"},
        {"9.99995E+99", "none"},
    };
    for (const auto& [text, form] : cases) EXPECT_EQ(fourDecimals(text), form) << text;
}

TEST(DecimalText, ReadsOnlyNumbers) {
    for (const std::string_view text :
         {"1.5D+00", "1.5d+00", "1.5e-3", "-.5E+01", "+7", "  2.  ", "1E5"}) {
        EXPECT_TRUE(DecimalText::read(text)) << text;
    }
    for (const std::string_view text : {"", "   ", ".", "-", "E+05", ". 000000000000D+00",
                                        "1.0 D+00", "1.2.3", "1.0E", "1.0E+", "1.0X+00", "0x10"}) {
        EXPECT_FALSE(DecimalText::read(text)) << text;
    }
}

}  // namespace
}  // namespace chronoflip
