#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "core/paths.h"
#include "readers/source_name.h"
#include "run_helpers.h"
#include "shift/processing_run.h"

namespace chronoflip {
namespace {

using testing::readBytes;

// An epoch's satellites and their 16-character fields, in the file's own order.
struct Epoch {
    std::string time;  // month to second, as the RINEX 2.11 epoch line writes them
    int year = 0;
    std::map<std::string, std::vector<std::string>> fields;
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string twoDigits(const std::string& field) {
    const int value = std::stoi(field);
    return (value < 10 ? " " : "") + std::to_string(value);
}

// The RINEX 3 source, read on its own terms: its codes per system and every epoch's fields.
struct Rinex3File {
    std::map<char, std::vector<std::string>> codes;
    std::vector<Epoch> epochs;
};

Rinex3File readRinex3(const std::string& text) {
    Rinex3File file;
    const auto lines = splitLines(text);
    std::size_t i = 0;
    char system = 0;
    for (; lines[i].find("END OF HEADER") == std::string::npos; ++i) {
        if (lines[i].find("SYS / # / OBS TYPES") != 60) continue;
        if (lines[i][0] != ' ') system = lines[i][0];
        for (std::size_t c = 7; c + 3 <= 58 && lines[i].substr(c, 3) != "   "; c += 4) {
            file.codes[system].push_back(lines[i].substr(c, 3));
        }
    }
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        Epoch epoch;
        epoch.year = std::stoi(line.substr(2, 4));
        epoch.time = twoDigits(line.substr(7, 2)) + " " + twoDigits(line.substr(10, 2)) + " " +
                     twoDigits(line.substr(13, 2)) + " " + twoDigits(line.substr(16, 2)) +
                     line.substr(18, 11);
        const int count = std::stoi(line.substr(32, 3));
        for (int s = 0; s < count; ++s) {
            const std::string& data = lines[++i];
            std::string id = data.substr(0, 3);
            if (id[1] == ' ') id[1] = '0';
            auto& fields = epoch.fields[id];
            for (std::size_t f = 0; f < file.codes[id[0]].size(); ++f) {
                fields.push_back(
                    padded(data.size() > 3 + 16 * f ? data.substr(3 + 16 * f, 16) : "", 16));
            }
        }
        file.epochs.push_back(epoch);
    }
    return file;
}

// The RINEX 2.11 copy: its types and every epoch's fields.
struct Rinex2File {
    std::vector<std::string> types;
    std::vector<Epoch> epochs;
};

Rinex2File readRinex2(const std::string& text) {
    Rinex2File file;
    const auto lines = splitLines(text);
    std::size_t i = 0;
    for (; lines[i].find("END OF HEADER") == std::string::npos; ++i) {
        if (lines[i].find("# / TYPES OF OBSERV") != 60) continue;
        for (std::size_t c = 10; c < 60 && lines[i].substr(c, 2) != "  "; c += 6) {
            file.types.push_back(lines[i].substr(c, 2));
        }
    }
    const std::size_t linesPerSatellite = (file.types.size() + 4) / 5;
    for (++i; i < lines.size(); ++i) {
        Epoch epoch;
        epoch.year = std::stoi(lines[i].substr(1, 2));
        epoch.time = lines[i].substr(4, 22);
        const int count = std::stoi(lines[i].substr(29, 3));
        std::string satellites = lines[i].substr(32, 36);
        for (int more = count - 12; more > 0; more -= 12) satellites += lines[++i].substr(32, 36);
        for (int s = 0; s < count; ++s) {
            std::string joined;
            for (std::size_t l = 0; l < linesPerSatellite; ++l) joined += padded(lines[++i], 80);
            auto& fields = epoch.fields[satellites.substr(3 * s, 3)];
            for (std::size_t t = 0; t < file.types.size(); ++t)
                fields.push_back(joined.substr(16 * t, 16));
        }
        file.epochs.push_back(epoch);
    }
    return file;
}

// Real files converted with all four systems kept: every epoch 28 years earlier, each
// satellite of a kept system that has a value in it, and each 2.11 field exactly the field
// of the code the conversion table picks for its system (or blank where none feeds it).
TEST(RealRinex3Files, ValuesAreThoseOfTheCodesTheTablePicks) {
    const std::filesystem::path real = testing::realRinex3Folder();
    if (real.empty()) GTEST_SKIP() << "no real RINEX 3 folder beside the project";
    using Picks = std::map<char, std::map<std::string, std::string>>;
    const struct {
        const char* name;
        std::vector<std::string> types;
        Picks picks;
    } cases[] = {
        {"ALAC00ESP_R_20220090000_01D_30S_MO.rnx",
         {"C1", "L1", "S1", "C2", "P2", "L2", "S2", "C5", "L5", "S5", "C7", "L7", "S7", "C8", "L8",
          "S8"},
         {{'G',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"S1", "S1C"},
            {"C2", "C2S"},
            {"P2", "C2W"},
            {"L2", "L2W"},
            {"S2", "S2W"},
            {"C5", "C5Q"},
            {"L5", "L5Q"},
            {"S5", "S5Q"}}},
          {'R',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"S1", "S1C"},
            {"C2", "C2C"},
            {"P2", "C2P"},
            {"L2", "L2P"},
            {"S2", "S2P"}}},
          {'E',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"S1", "S1C"},
            {"C5", "C5Q"},
            {"L5", "L5Q"},
            {"S5", "S5Q"},
            {"C7", "C7Q"},
            {"L7", "L7Q"},
            {"S7", "S7Q"},
            {"C8", "C8Q"},
            {"L8", "L8Q"},
            {"S8", "S8Q"}}}}},
        {"DUTH0630.22O",
         {"C1", "L1", "D1", "S1", "P2", "L2", "D2", "S2"},
         {{'G',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"D1", "D1C"},
            {"S1", "S1C"},
            {"P2", "C2W"},
            {"L2", "L2W"},
            {"D2", "D2W"},
            {"S2", "S2W"}}},
          {'R',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"D1", "D1C"},
            {"S1", "S1C"},
            {"P2", "C2P"},
            {"L2", "L2P"},
            {"D2", "D2P"},
            {"S2", "S2P"}}}}},
        {"test_input_rinex3_76193040.14o",
         {"C1", "L1", "C2", "P2", "L2", "C5", "L5"},
         {{'G',
           {{"C1", "C1C"},
            {"L1", "L1C"},
            {"C2", "C2X"},
            {"P2", "C2W"},
            {"L2", "L2W"},
            {"C5", "C5X"},
            {"L5", "L5X"}}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempFolder folder;
        const std::string source = folder.write(c.name, readBytes((real / c.name).string()));
        CorrectionPair corrections;
        RunRequest request{
            {source}, OutputMode::kKeepWorkFile, "18/02/2016", KeptSystems::kGpsGlonassGalileoSbas};
        testing::RecordingRunObserver observer;
        LocalFileSystem files;
        ASSERT_NO_THROW(runProcessing(request, observer, corrections, files));

        const Rinex3File in = readRinex3(readBytes(source));
        const Rinex2File out = readRinex2(readBytes(workFilePath(outputNamePath(source))));
        EXPECT_EQ(out.types, c.types);
        std::size_t o = 0;
        for (const Epoch& epoch : in.epochs) {
            std::map<std::string, std::vector<std::string>> expected;
            for (const auto& [id, fields] : epoch.fields) {
                if (!c.picks.contains(id[0])) continue;
                std::vector<std::string> picked;
                bool anyValue = false;
                for (const std::string& type : out.types) {
                    const auto& picks = c.picks.at(id[0]);
                    std::string field(16, ' ');
                    if (picks.contains(type)) {
                        const auto& codes = in.codes.at(id[0]);
                        const auto at = std::find(codes.begin(), codes.end(), picks.at(type));
                        field = fields[static_cast<std::size_t>(at - codes.begin())];
                    }
                    anyValue |= field.substr(0, 14) != std::string(14, ' ');
                    picked.push_back(field);
                }
                if (anyValue) expected[id] = picked;
            }
            if (expected.empty()) continue;
            ASSERT_LT(o, out.epochs.size());
            const Epoch& shifted = out.epochs[o++];
            EXPECT_EQ(shifted.time, epoch.time);
            EXPECT_EQ(shifted.year, (epoch.year - 28) % 100);
            EXPECT_EQ(shifted.fields, expected) << epoch.time;
        }
        EXPECT_EQ(o, out.epochs.size());
    }
}

}  // namespace
}  // namespace chronoflip
