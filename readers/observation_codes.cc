#include "readers/observation_codes.h"

#include <algorithm>

namespace chronoflip {

const std::array<std::string_view, kRinex2TypeCount> kRinex2Types{
    "C1", "P1", "L1", "D1", "S1", "C2", "P2", "L2", "D2", "S2", "C5", "L5", "D5",
    "S5", "C6", "L6", "D6", "S6", "C7", "L7", "D7", "S7", "C8", "L8", "D8", "S8"};

namespace {

// The attributes tried, in order, for one band of one system: for its C (code) type, its
// P (precise code, read from RINEX 3 C codes) type, and its L, D and S types, which share
// one list. An empty list feeds nothing.
struct BandAttributes {
    char band;
    std::string_view code;
    std::string_view precise;
    std::string_view carrier;
};

struct SystemTable {
    char letter;
    std::array<BandAttributes, 5> bands;
};

// GPS: C/A before the civil L2 codes, the encrypted P(Y) tracking (W) first for P2 and L2,
// where receivers measure the legacy signal RINEX 2 software expects.
constexpr std::array<SystemTable, 4> kTables{{
    {'G', {{{'1', "C", "WPY", "CWPY"}, {'2', "LXSC", "WPY", "WPYLXSC"}, {'5', "QXI", "", "QXI"}}}},
    {'R', {{{'1', "C", "P", "CP"}, {'2', "C", "P", "PC"}}}},
    {'E',
     {{{'1', "CXBAZ", "", "CXBAZ"},
       {'5', "QXI", "", "QXI"},
       {'6', "CXBAZ", "", "CXBAZ"},
       {'7', "QXI", "", "QXI"},
       {'8', "QXI", "", "QXI"}}}},
    {'S', {{{'1', "C", "", "C"}, {'5', "IQX", "", "IQX"}}}},
}};

const SystemTable* tableFor(char letter) {
    for (const SystemTable& table : kTables) {
        if (table.letter == letter) return &table;
    }
    return nullptr;
}

// The attributes to try for a RINEX 2.11 type ("P2": band 2, precise) in a system.
std::string_view attributesFor(const SystemTable& table, std::string_view type) {
    for (const BandAttributes& band : table.bands) {
        if (band.band != type[1]) continue;
        switch (type[0]) {
            case 'C':
                return band.code;
            case 'P':
                return band.precise;
            default:
                return band.carrier;
        }
    }
    return {};
}

int sourceOf(const DeclaredCodes& declared, const SystemTable& table, std::string_view type) {
    // RINEX 3 writes every code measurement, P included, as C.
    const char measurement = type[0] == 'P' ? 'C' : type[0];
    for (const char attribute : attributesFor(table, type)) {
        const std::string code{measurement, type[1], attribute};
        const auto found = std::find(declared.codes.begin(), declared.codes.end(), code);
        if (found != declared.codes.end()) return static_cast<int>(found - declared.codes.begin());
    }
    return kNotFed;
}

}  // namespace

const TypeChoice::System* TypeChoice::find(char letter) const {
    for (const System& system : systems) {
        if (system.letter == letter) return &system;
    }
    return nullptr;
}

TypeChoice chooseTypes(const std::vector<DeclaredCodes>& declared, KeptSystems kept) {
    // Sources for all 26 types first; the types no kept system feeds are dropped after.
    std::vector<std::array<int, kRinex2TypeCount>> sources;
    std::array<bool, kRinex2TypeCount> written{};
    TypeChoice choice;
    for (const DeclaredCodes& system : declared) {
        choice.declared.emplace_back(system.system, system.codes.size());
        const SystemTable* table = keeps(kept, system.system) ? tableFor(system.system) : nullptr;
        std::array<int, kRinex2TypeCount> fed;
        fed.fill(kNotFed);
        bool feeds = false;
        for (std::size_t t = 0; table != nullptr && t < kRinex2TypeCount; ++t) {
            fed[t] = sourceOf(system, *table, kRinex2Types[t]);
            if (fed[t] != kNotFed) written[t] = feeds = true;
        }
        if (!feeds) {
            choice.leftOut += system.system;
            continue;
        }
        choice.systems.push_back({system.system, {}});
        sources.push_back(fed);
    }
    for (std::size_t t = 0; t < kRinex2TypeCount; ++t) {
        if (!written[t]) continue;
        choice.types.push_back(kRinex2Types[t]);
        for (std::size_t s = 0; s < choice.systems.size(); ++s) {
            choice.systems[s].sources.push_back(sources[s][t]);
        }
    }
    return choice;
}

}  // namespace chronoflip
