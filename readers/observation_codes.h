#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "readers/gnss_systems.h"

namespace chronoflip {

// The RINEX 2.11 observation types a converted file may carry, in the order it lists them.
inline constexpr std::size_t kRinex2TypeCount = 26;
extern const std::array<std::string_view, kRinex2TypeCount> kRinex2Types;

// No source code feeds a type.
inline constexpr int kNotFed = -1;

// One system's SYS / # / OBS TYPES record: its letter and codes in the header's order.
struct DeclaredCodes {
    char system = 0;
    std::vector<std::string> codes;  // "C1C", "L2W", ...
};

// The file-wide choice of codes: the RINEX 2.11 types written, and for each system kept
// the position, in its satellites' lines, of the code that feeds each of those types.
struct TypeChoice {
    std::vector<std::string_view> types;  // a subsequence of kRinex2Types
    struct System {
        char letter = 0;
        std::vector<int> sources;  // per written type: the code's index, or kNotFed
    };
    std::vector<System> systems;  // the systems written, in the header's order
    std::string leftOut;          // letters of declared systems not written, header order
    // Every declared system's letter and number of codes: the fields its lines may hold.
    std::vector<std::pair<char, std::size_t>> declared;

    const System* find(char letter) const;
};

// For each kept system and RINEX 2.11 type, the first code of that type's list of
// candidates that the system declares feeds it, for all its satellites in every epoch. A
// type is written when some kept system feeds it; a system is written when it feeds one.
TypeChoice chooseTypes(const std::vector<DeclaredCodes>& declared, KeptSystems kept);

}  // namespace chronoflip
