#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/paths.h"
#include "memory_files.h"
#include "readers/decoded_input.h"
#include "readers/gzip_input.h"
#include "readers/source_name.h"
#include "recording_run_observer.h"
#include "shift/processing_run.h"
#include "shift_checks.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

// Published RINEX 3 and 4 navigation files: all seven systems in RINEX 3.04, RINEX 4.00
// with every record kind, RINEX 3.02 with D exponents and blank-padded satellite numbers;
// the note each conversion leaves in the run's log.
struct RealFile {
    std::string name;
    std::string note;
};

const RealFile kRealFiles[] = {
    {"BRDM00DLR_S_20230730000_01D_MN.rnx",
     "RINEX 3.04 converted to 2.11; GPS records kept: 6; records left out: 7 GLONASS, 6 Galileo, "
     "6 SBAS, 6 BeiDou, 6 QZSS, 6 NavIC"},
    {"KMS300DNK_R_20221591000_01H_MN.rnx.gz",
     "RINEX 4.00 converted to 2.11; GPS records kept: 30; records left out: 24 GLONASS, 108 "
     "Galileo, 158 SBAS, 36 BeiDou, 1 QZSS; 3 ION, 3 STO"},
    {"test_input_rinex3_76193040.14n", "RINEX 3.02 converted to 2.11; GPS records kept: 13"},
};

// A GPS record's satellite number, epoch (the year in full) and 31 fields of 19 characters.
struct GpsRecord {
    int satellite = 0;
    std::array<int, 6> epoch{};
    std::vector<std::string> fields;
    bool operator==(const GpsRecord&) const = default;
};

std::vector<std::string> linesOfText(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line.resize(std::max<std::size_t>(line.size(), 80), ' ');
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Fields of 19 characters from column first, count of them.
void addFields(std::vector<std::string>& fields, const std::string& line, std::size_t first,
               int count) {
    for (int i = 0; i < count; ++i) fields.push_back(line.substr(first - 1 + 19 * i, 19));
}

// The records of lines[at] to lines[at + 7], first line laid out as RINEX 3 or RINEX 2.
GpsRecord gpsRecord(const std::vector<std::string>& lines, std::size_t at, bool rinex3) {
    const std::string& first = lines[at];
    GpsRecord record;
    if (rinex3) {
        record.satellite = std::stoi(first.substr(1, 2));
        for (int i = 0; i < 6; ++i)
            record.epoch[i] = std::stoi(first.substr(i == 0 ? 4 : 6 + 3 * i, i == 0 ? 4 : 2));
    } else {
        record.satellite = std::stoi(first.substr(0, 2));
        const int yy = std::stoi(first.substr(3, 2));
        record.epoch[0] = yy + (yy >= 80 ? 1900 : 2000);
        for (int i = 1; i < 6; ++i)
            record.epoch[i] = std::stoi(first.substr(3 + 3 * i, i == 5 ? 4 : 2));
    }
    const std::size_t shift = rinex3 ? 1 : 0;
    addFields(record.fields, first, 23 + shift, 3);
    for (std::size_t i = 1; i < 8; ++i) addFields(record.fields, lines[at + i], 4 + shift, 4);
    return record;
}

// The GPS LNAV records of a RINEX 3 text by their first lines, of a RINEX 4 text by their
// markers.
std::vector<GpsRecord> sourceRecords(const std::string& text, bool rinex4) {
    const std::vector<std::string> lines = linesOfText(text);
    std::vector<GpsRecord> records;
    bool header = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (header) {
            header = lines[i].find("END OF HEADER") != 60;
        } else if (rinex4) {
            if (lines[i].starts_with("> EPH G") && lines[i].substr(10, 4) == "LNAV")
                records.push_back(gpsRecord(lines, i + 1, true));
        } else if (lines[i].starts_with("G")) {
            records.push_back(gpsRecord(lines, i, true));
        }
    }
    return records;
}

// The records of a RINEX 2.11 navigation text: eight lines each after END OF HEADER.
std::vector<GpsRecord> rinex2Records(const std::string& text) {
    const std::vector<std::string> lines = linesOfText(text);
    std::size_t at = 0;
    while (lines.at(at).find("END OF HEADER") != 60) ++at;
    std::vector<GpsRecord> records;
    for (++at; at < lines.size(); at += 8) records.push_back(gpsRecord(lines, at, false));
    return records;
}

// The source's text unpacked, and its conversion as the rewriters read it, with its note.
struct Reading {
    std::string text;
    std::string rinex2;
    std::string note;
};

Reading read(const std::string& path) {
    LocalFileSystem files;
    Reading reading;
    ConversionReport report;
    std::unique_ptr<InputFile> text = files.openRead(path);
    if (path.ends_with(".gz")) text = std::make_unique<GzipInput>(std::move(text), path);
    reading.text = testing::drain(*text, 1 << 16);
    reading.rinex2 = testing::drain(*openDecoded(files, path, {.report = &report}), 1 << 16);
    reading.note = report.note;
    return reading;
}

// Every GPS record reaches the 2.11 text with its satellite, epoch and fields unchanged,
// in the source's order, and nothing else does.
TEST(RealNavigationFiles, KeepEveryGpsRecordWithItsValues) {
    const std::filesystem::path folder = testing::realRinex3Folder();
    if (folder.empty()) GTEST_SKIP() << "no real RINEX 3 data folder beside the project";
    for (const RealFile& file : kRealFiles) {
        SCOPED_TRACE(file.name);
        const Reading reading = read((folder / file.name).string());
        const std::vector<GpsRecord> records =
            sourceRecords(reading.text, reading.text.starts_with("     4"));
        EXPECT_FALSE(records.empty());
        EXPECT_TRUE(rinex2Records(reading.rinex2) == records);
        EXPECT_EQ(reading.note, file.note);
    }
}

// The files run through the date shift as any RINEX 2 navigation file: every record moved back 28
// years and 1461 weeks, the comment block added, and the conversion's note in the run's log.
TEST(RealNavigationFiles, ShiftEndToEnd) {
    const std::filesystem::path folder = testing::realRinex3Folder();
    if (folder.empty()) GTEST_SKIP() << "no real RINEX 3 data folder beside the project";
    testing::TempFolder temporary;
    RunRequest request;
    request.outputMode = OutputMode::kKeepWorkFile;
    request.dateText = "18/02/2016";
    for (const RealFile& file : kRealFiles) {
        request.files.push_back(
            temporary.write(file.name, testing::readBytes((folder / file.name).string())));
    }
    testing::RecordingRunObserver observer;
    CorrectionPair corrections;
    LocalFileSystem files;
    runProcessing(request, observer, corrections, files);
    for (std::size_t i = 0; i < request.files.size(); ++i) {
        SCOPED_TRACE(kRealFiles[i].name);
        const std::string& source = request.files[i];
        testing::expectShiftedNavigation(testing::linesOf(source),
                                         testing::linesOf(workFilePath(outputNamePath(source))));
        EXPECT_NE(std::find(observer.log.begin(), observer.log.end(), kRealFiles[i].note),
                  observer.log.end());
    }
}

}  // namespace
}  // namespace chronoflip
