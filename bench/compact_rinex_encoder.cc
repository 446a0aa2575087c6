// Writes a RINEX 2 observation file as Compact RINEX 1.0, for the decoding benchmark:
//   compact_rinex_encoder INPUT.yyo OUTPUT.yyd
// Arcs of order 3 as the usual producer writes them, flags and epoch lines as differences,
// events and their records copied. Only what the generated files hold is supported.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kOrder = 3;
constexpr std::size_t kSatellitesPerLine = 12;
constexpr std::size_t kFieldsPerLine = 5;
constexpr std::size_t kFieldWidth = 16;

struct Arc {
    std::array<std::int64_t, kOrder + 1> differences{};
    int held = -1;  // -1: no arc
};

// The number of the arc's next value: "3&v" to start one, else its highest difference.
std::string next(Arc& arc, std::int64_t value) {
    if (arc.held < 0) {
        arc.differences[0] = value;
        arc.held = 0;
        return std::to_string(kOrder) + "&" + std::to_string(value);
    }
    const int held = std::min(arc.held + 1, kOrder);
    std::array<std::int64_t, kOrder + 1> updated{};
    updated[0] = value;
    for (int i = 1; i <= held; ++i) updated[i] = updated[i - 1] - arc.differences[i - 1];
    arc.differences = updated;
    arc.held = held;
    return std::to_string(updated[held]);
}

std::string trimmed(std::string text) {
    text.erase(text.find_last_not_of(" \r") + 1);
    return text;
}

// The difference of text against old: blank where unchanged, "&" where a blank appears.
std::string difference(const std::string& old, const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < std::max(old.size(), text.size()); ++i) {
        const char was = i < old.size() ? old[i] : ' ';
        const char now = i < text.size() ? text[i] : ' ';
        result += now == was ? ' ' : now == ' ' ? '&' : now;
    }
    return trimmed(result);
}

// A fixed-point field as the integer of its last decimal; false for a blank field.
bool fixedPoint(const std::string& field, std::int64_t& value) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    std::string digits;
    for (std::size_t i = first; i < field.size(); ++i) {
        if (field[i] != '.') digits += field[i];
    }
    value = std::strtoll(digits.c_str(), nullptr, 10);
    return true;
}

struct Satellite {
    std::vector<Arc> arcs;
    std::string flags;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT.yyo OUTPUT.yyd\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ofstream out(argv[2], std::ios::binary);
    out << "1.0                 COMPACT RINEX FORMAT                    CRINEX VERS   / TYPE\n"
        << "compact_rinex_encoder                   01-Jan-26 00:00     CRINEX PROG / DATE\n";
    std::string line;
    std::size_t types = 0;
    while (std::getline(in, line)) {
        line = trimmed(line);
        out << line << '\n';
        if (line.size() > 60 && line.compare(60, 19, "# / TYPES OF OBSERV") == 0 && line[5] != ' ')
            types = std::stoul(line.substr(0, 6));
        if (line.size() > 60 && line.compare(60, 13, "END OF HEADER") == 0) break;
    }
    std::string epoch;
    Arc clock;
    std::map<std::string, Satellite> previous;
    while (std::getline(in, line)) {
        line = trimmed(line);
        const int flag = line.size() > 28 ? line[28] - '0' : 0;
        const std::size_t count = std::stoul(line.substr(29, 3));
        if (flag > 1) {
            out << '&' << line.substr(1) << '\n';
            for (std::size_t i = 0; i < count && std::getline(in, line); ++i)
                out << trimmed(line) << '\n';
            epoch.clear();
            previous.clear();
            clock = Arc();
            continue;
        }
        std::string text = line.substr(0, 68);
        const std::string clockField = line.size() > 68 ? line.substr(68) : "";
        for (std::size_t done = kSatellitesPerLine; done < count; done += kSatellitesPerLine) {
            std::getline(in, line);
            text += trimmed(line).substr(32);
        }
        text = trimmed(text);
        out << (epoch.empty() ? "&" + text.substr(1) : difference(epoch, text)) << '\n';
        epoch = text;
        std::int64_t offset = 0;
        if (fixedPoint(clockField, offset)) {
            out << next(clock, offset) << '\n';
        } else {
            clock = Arc();
            out << '\n';
        }
        std::map<std::string, Satellite> current;
        for (std::size_t s = 0; s < count; ++s) {
            std::string record;
            for (std::size_t l = 0; l < (types + kFieldsPerLine - 1) / kFieldsPerLine; ++l) {
                std::getline(in, line);
                line = trimmed(line);
                line.resize(kFieldsPerLine * kFieldWidth, ' ');
                record += line;
            }
            const std::string id = text.substr(32 + 3 * s, 3);
            const auto found = previous.find(id);
            const bool known = found != previous.end();
            Satellite satellite = known ? found->second : Satellite{std::vector<Arc>(types), ""};
            std::string values;
            std::string flags;
            for (std::size_t t = 0; t < types; ++t) {
                const std::string field = record.substr(t * kFieldWidth, kFieldWidth);
                std::int64_t value = 0;
                if (t != 0) values += ' ';
                if (fixedPoint(field.substr(0, 14), value)) {
                    values += next(satellite.arcs[t], value);
                    flags += field.substr(14, 2);
                } else {
                    satellite.arcs[t] = Arc();
                    flags += "  ";
                }
            }
            out << trimmed(values + ' ' +
                           (known ? difference(satellite.flags, flags) : trimmed(flags)))
                << '\n';
            satellite.flags = flags;
            current[id] = satellite;
        }
        previous = std::move(current);
    }
    return out.good() ? 0 : 1;
}
