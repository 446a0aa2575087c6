#include "readers/gnss_systems.h"

#include <array>

namespace chronoflip {

namespace {

struct SystemEntry {
    char letter;
    std::string_view name;
};

constexpr std::array<SystemEntry, 7> kSystems{{{'G', "GPS"},
                                               {'R', "GLONASS"},
                                               {'E', "Galileo"},
                                               {'S', "SBAS"},
                                               {'C', "BeiDou"},
                                               {'J', "QZSS"},
                                               {'I', "NavIC"}}};

constexpr std::array<KeptSystems, 3> kChoices{KeptSystems::kGps, KeptSystems::kGpsGlonass,
                                              KeptSystems::kGpsGlonassGalileoSbas};

}  // namespace

std::string_view systemLetters(KeptSystems systems) {
    switch (systems) {
        case KeptSystems::kGps:
            return "G";
        case KeptSystems::kGpsGlonass:
            return "GR";
        case KeptSystems::kGpsGlonassGalileoSbas:
            return "GRES";
    }
    return {};
}

std::optional<KeptSystems> keptSystemsFromLetters(std::string_view letters) {
    for (const KeptSystems choice : kChoices) {
        if (systemLetters(choice) == letters) return choice;
    }
    return std::nullopt;
}

bool keeps(KeptSystems systems, char letter) {
    return letter != 0 && systemLetters(systems).find(letter) != std::string_view::npos;
}

bool isSystemLetter(char letter) {
    return !systemName(letter).empty();
}

std::string_view systemName(char letter) {
    for (const SystemEntry& entry : kSystems) {
        if (entry.letter == letter) return entry.name;
    }
    return {};
}

}  // namespace chronoflip
