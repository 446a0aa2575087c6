// Writes a RINEX observation file as Compact RINEX, for the decoding benchmark: RINEX 2 as
// Compact RINEX 1.0, RINEX 3 as Compact RINEX 3.0, as the first line's version says.
//   compact_rinex_encoder INPUT OUTPUT
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
constexpr std::size_t kFieldWidth = 16;  // F14.3, LLI, signal strength
constexpr std::size_t kValueWidth = 14;

// Compact RINEX 1.0 (RINEX 2) and 3.0 (RINEX 3) differ in how flags are kept and sent.
enum class Version { k1, k3 };

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

bool hasLabel(const std::string& line, const std::string& label) {
    return line.size() > 60 && line.compare(60, label.size(), label) == 0;
}

struct Satellite {
    std::vector<Arc> arcs;
    std::string flags;
};

class Encoder {
  public:
    Encoder(std::ifstream& in, std::ofstream& out, Version version)
        : in_(in), out_(out), version_(version) {}

    // The header through END OF HEADER, trailing blanks cut; the observation types counted.
    void copyHeader() {
        std::string line;
        while (std::getline(in_, line)) {
            line = trimmed(line);
            out_ << line << '\n';
            if (hasLabel(line, "# / TYPES OF OBSERV") && line[5] != ' ')
                types_[' '] = std::stoul(line.substr(0, 6));
            if (hasLabel(line, "SYS / # / OBS TYPES") && line[0] != ' ')
                types_[line[0]] = std::stoul(line.substr(3, 3));
            if (hasLabel(line, "END OF HEADER")) break;
        }
    }

    // An event's line and its records, copied; everything starts afresh after it.
    void copyEvent(const std::string& line, std::size_t records) {
        out_ << line << '\n';
        std::string record;
        for (std::size_t i = 0; i < records && std::getline(in_, record); ++i)
            out_ << trimmed(record) << '\n';
        epoch_.clear();
        previous_.clear();
        clock_ = Arc();
    }

    // The epoch text, as a difference against the last one; then the clock line.
    void putEpoch(const std::string& text, const std::string& clockField) {
        if (!epoch_.empty())
            out_ << difference(epoch_, text) << '\n';
        else if (version_ == Version::k3)
            out_ << text << '\n';  // opens with ">" already
        else
            out_ << '&' << text.substr(1) << '\n';
        epoch_ = text;
        std::int64_t offset = 0;
        if (fixedPoint(clockField, offset)) {
            out_ << next(clock_, offset) << '\n';
        } else {
            clock_ = Arc();
            out_ << '\n';
        }
    }

    // One satellite's data line from its observations, 16 columns each, in one string.
    void putSatellite(const std::string& id, std::size_t types, std::string record) {
        record.resize(types * kFieldWidth, ' ');
        const auto found = previous_.find(id);
        const bool known = found != previous_.end();
        Satellite satellite = known ? found->second : Satellite{std::vector<Arc>(types), ""};
        std::string values;
        std::string flags;
        for (std::size_t t = 0; t < types; ++t) {
            const std::string field = record.substr(t * kFieldWidth, kFieldWidth);
            std::int64_t value = 0;
            if (t != 0) values += ' ';
            const bool present = fixedPoint(field.substr(0, kValueWidth), value);
            if (present)
                values += next(satellite.arcs[t], value);
            else
                satellite.arcs[t] = Arc();
            // Version 1.0 blanks a blank field's flags; 3.0 keeps what the line holds.
            flags += present || version_ == Version::k3 ? field.substr(kValueWidth, 2) : "  ";
        }
        std::string flagText;
        if (known) {
            flagText = difference(satellite.flags, flags);
        } else if (version_ == Version::k3) {
            // A new satellite's flags in full, "&" for each blank.
            flagText = flags;
            for (char& c : flagText) c = c == ' ' ? '&' : c;
        } else {
            flagText = trimmed(flags);
        }
        out_ << trimmed(values + ' ' + flagText) << '\n';
        satellite.flags = flags;
        current_[id] = satellite;
    }

    void finishEpoch() {
        previous_ = std::move(current_);
        current_.clear();
    }

    std::size_t types(char system) const { return types_.at(system); }

  private:
    std::ifstream& in_;
    std::ofstream& out_;
    Version version_;
    std::map<char, std::size_t> types_;  // by system letter; RINEX 2's under a blank
    std::string epoch_;
    Arc clock_;
    std::map<std::string, Satellite> previous_;
    std::map<std::string, Satellite> current_;
};

// RINEX 2: epoch lines of 12 satellites, continued; five observations to a line.
void encodeRinex2(std::ifstream& in, Encoder& encoder) {
    constexpr std::size_t kSatellitesPerLine = 12;
    constexpr std::size_t kFieldsPerLine = 5;
    const std::size_t types = encoder.types(' ');
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        const int flag = line.size() > 28 ? line[28] - '0' : 0;
        const std::size_t count = std::stoul(line.substr(29, 3));
        if (flag > 1) {
            encoder.copyEvent('&' + line.substr(1), count);
            continue;
        }
        std::string text = line.substr(0, 68);
        const std::string clockField = line.size() > 68 ? line.substr(68) : "";
        for (std::size_t done = kSatellitesPerLine; done < count; done += kSatellitesPerLine) {
            std::getline(in, line);
            text += trimmed(line).substr(32);
        }
        text = trimmed(text);
        encoder.putEpoch(text, clockField);
        for (std::size_t s = 0; s < count; ++s) {
            std::string record;
            for (std::size_t l = 0; l < (types + kFieldsPerLine - 1) / kFieldsPerLine; ++l) {
                std::getline(in, line);
                line = trimmed(line);
                line.resize(kFieldsPerLine * kFieldWidth, ' ');
                record += line;
            }
            encoder.putSatellite(text.substr(32 + 3 * s, 3), types, record);
        }
        encoder.finishEpoch();
    }
}

// RINEX 3: the epoch line's first 41 columns, then every satellite; one line a satellite.
void encodeRinex3(std::ifstream& in, Encoder& encoder) {
    constexpr std::size_t kEpochWidth = 41;
    constexpr std::size_t kClockWidth = 15;
    std::string line;
    std::vector<std::string> satellites;
    while (std::getline(in, line)) {
        line = trimmed(line);
        const int flag = line[31] - '0';
        const std::size_t count = std::stoul(line.substr(32, 3));
        if (flag > 1) {
            encoder.copyEvent(line, count);
            continue;
        }
        std::string text = line.substr(0, kEpochWidth);
        text.resize(kEpochWidth, ' ');
        const std::string clockField =
            line.size() > kEpochWidth ? line.substr(kEpochWidth, kClockWidth) : "";
        satellites.resize(count);
        for (std::string& satellite : satellites) {
            std::getline(in, satellite);
            satellite = trimmed(satellite);
            text += satellite.substr(0, 3);
        }
        encoder.putEpoch(trimmed(text), clockField);
        for (const std::string& satellite : satellites) {
            encoder.putSatellite(satellite.substr(0, 3), encoder.types(satellite[0]),
                                 satellite.substr(3));
        }
        encoder.finishEpoch();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ofstream out(argv[2], std::ios::binary);
    std::string first;
    std::getline(in, first);
    in.seekg(0);
    const std::size_t digit = first.find_first_not_of(' ');
    const Version version =
        digit != std::string::npos && first[digit] >= '3' ? Version::k3 : Version::k1;
    out << (version == Version::k3 ? "3.0" : "1.0")
        << "                 COMPACT RINEX FORMAT                    CRINEX VERS   / TYPE\n"
        << "compact_rinex_encoder                   01-Jan-26 00:00     CRINEX PROG / DATE\n";
    Encoder encoder(in, out, version);
    encoder.copyHeader();
    if (version == Version::k3)
        encodeRinex3(in, encoder);
    else
        encodeRinex2(in, encoder);
    return out.good() ? 0 : 1;
}
