#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chronoflip {

// The RINEX 3 long file name, "ACOR00ESP_R_20213550000_01D_30S_MO.crx" for observation
// files and "BRDC00IGS_R_20213550000_01D_MN.rnx" for navigation files (without the
// compression suffix), read for what the short RINEX 2 name needs.
struct LongName {
    std::string_view station;    // the first four characters: "ACOR"
    std::string_view year;       // "2021"
    std::string_view dayOfYear;  // "355"
    int hour = 0;
    std::string_view minute;  // "00"
    char periodUnit = 'D';    // of the period covered, "01D": M minutes, H hours, D days, ...
    bool daily = true;        // the period is "01D"
    char content = 'O';       // O observation, N navigation
    bool compact = false;     // ".crx": Compact RINEX
};

// The name part of a plain (uncompressed) path in the long form; none otherwise.
std::optional<LongName> readLongName(std::string_view name);

// True for a name that ends ".rnx" or ".crx" in any case: such a name is taken only in the
// long form.
bool hasLongNameFormat(std::string_view name);

// The RINEX 2 name of the same data: "acor3550.21o"; hourly files take the hour letter
// ("kms3159k.22o"), files of minutes the high-rate form ("gras315r00.22o").
std::string shortName(const LongName& name);

}  // namespace chronoflip
