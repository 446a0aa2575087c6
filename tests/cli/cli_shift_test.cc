#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "core/short_date.h"
#include "shell_command.h"
#include "temp_folder.h"

namespace chronoflip {
namespace {

using testing::crlf;
using testing::fileExists;
using testing::readBytes;
using testing::TempFolder;

using CliResult = testing::CommandResult;
using testing::quoted;

// environment: assignments the shell puts before the command ("LC_ALL=C "), or none.
CliResult runCli(const TempFolder& folder, const std::string& arguments,
                 const std::string& environment = "") {
    return testing::runShellCommand(environment + quoted(CHRONOFLIP_CLI) + " " + arguments,
                                    folder.file("stderr.txt"));
}

std::string rinexRecord(std::string text, const std::string& label) {
    text.resize(60, ' ');
    return text + label;
}

const std::string kObservation =
    crlf({rinexRecord("  2016     2    17    10    15   30.0000000     GPS", "TIME OF FIRST OBS"),
          rinexRecord("", "END OF HEADER"), " 16  2 17 10 15 30.0000000  0  1G01"});
const std::string kBanner = "                       --- F I N I S H E D ---";

TEST(CliShift, LogsEachFileAndTheBannerOnStandardOutput) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    const std::string met = folder.write("abcd0480.16m", "x\r\n");
    const CliResult result = runCli(folder, "shift " + quoted(met) + " " + quoted(obs));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, obs + "\n\n" + kBanner + "\n");
    EXPECT_EQ(result.err, met + ": Invalid File Type\n");
    EXPECT_TRUE(fileExists(folder.file("e_abcd0480.16o")));
    EXPECT_EQ(readBytes(folder.file("e_abcd0480.16m")), "");
    EXPECT_EQ(readBytes(obs), kObservation);
}

std::string fixture(const std::string& name) {
    return readBytes(std::string(CHRONOFLIP_COMPRESSED_FIXTURES) + "/" + name);
}

// Files as reference networks publish them shift as their plain text does, under its name.
TEST(CliShift, ReadsCompressedAndCompactRinexFiles) {
    TempFolder plain;
    ASSERT_EQ(
        runCli(plain, "shift " + quoted(plain.write("abcd0480.16o", fixture("compact_rinex.16o"))))
            .status,
        0);
    const std::string expected = readBytes(plain.file("e_abcd0480.16o"));
    for (const std::string suffix : {".Z", ".gz", ""}) {
        TempFolder folder;
        const std::string source =
            folder.write("abcd0480.16d" + suffix, fixture("compact_rinex.16d" + suffix));
        const CliResult result = runCli(folder, "shift --mode prefix " + quoted(source));
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(readBytes(folder.file("e_abcd0480.16o")), expected) << suffix;
    }
    const std::string gz = fixture("compact_rinex.16d.gz");
    const std::string cut = plain.write("cut00480.16d.gz", gz.substr(0, gz.size() - 12));
    const CliResult result = runCli(plain, "shift " + quoted(cut));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, cut + ": gzip data ends early: the file is cut short\n");
}

// A RINEX 3 file becomes RINEX 2.11 under its short name, with the systems asked for; the
// log says what was left out.
TEST(CliShift, ConvertsRinex3WithTheSystemsAskedFor) {
    TempFolder folder;
    const std::string source = folder.write("DEMO00XXX_R_20100640000_01D_30S_MO.rnx",
                                            readBytes(std::string(CHRONOFLIP_READERS_TEST_DATA) +
                                                      "/DEMO00XXX_R_20100640000_01D_30S_MO.rnx"));
    const CliResult gps = runCli(folder, "shift --systems G " + quoted(source));
    EXPECT_EQ(gps.status, 0) << gps.err;
    EXPECT_EQ(gps.out, source +
                           "\nRINEX 3.01 converted to 2.11; systems left out: GLONASS (R), "
                           "Galileo (E), SBAS (S), BeiDou (C)\n\n" +
                           kBanner + "\n");
    const std::string copy = readBytes(folder.file("e_demo0640.10o"));
    EXPECT_NE(copy.find(" 82  3  5  0  0 00.0000000  0  2G13G07"), std::string::npos);

    EXPECT_EQ(runCli(folder, "shift --systems gres --mode year " + quoted(source)).status, 0);
    EXPECT_NE(readBytes(folder.file("demo0640.82o")).find("0  4G13R19E11G07"), std::string::npos);
    EXPECT_EQ(runCli(folder, "shift --systems GRC " + quoted(source)).status, 2);
}

TEST(CliShift, ModesChooseWhereTheShiftedCopyGoes) {
    TempFolder folder;
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    EXPECT_EQ(runCli(folder, "shift --mode year " + quoted(obs)).status, 0);
    EXPECT_TRUE(fileExists(folder.file("abcd0480.88o")));
    EXPECT_EQ(runCli(folder, "shift --mode overwrite " + quoted(obs)).status, 0);
    EXPECT_EQ(readBytes(obs + ".bak"), kObservation);
    EXPECT_EQ(readBytes(obs), readBytes(folder.file("abcd0480.88o")));
}

TEST(CliShift, AnErrorEndsTheRunWithStatusOne) {
    TempFolder folder;
    const std::string good = folder.write("good0480.16o", kObservation);
    const std::string bad = folder.write("bad00480.16o", "no header at all\r\n");
    const std::string later = folder.write("late0480.16o", kObservation);
    const CliResult result =
        runCli(folder, "shift " + quoted(good) + " " + quoted(bad) + " " + quoted(later));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, good + "\n");
    // In a batch the user must see which file ended the run.
    EXPECT_EQ(result.err, bad + ": TIME OF FIRST OBS missing in header\n");
    EXPECT_FALSE(fileExists(folder.file("e_late0480.16o")));
    const std::string missing = folder.file("missing.16o");
    const CliResult notFound = runCli(folder, "shift " + quoted(good) + " " + quoted(missing));
    EXPECT_EQ(notFound.status, 1);
    EXPECT_EQ(notFound.out, good + "\n");
    EXPECT_EQ(notFound.err, missing + ": File not found\n");
}

// Survey sites are named in the surveyor's language; Windows hands a program its arguments
// in a narrower code page unless it asks for them in full.
TEST(CliShift, NamesBeyondAsciiSurviveEveryMode) {
    TempFolder folder;
    const std::string obs = folder.write("Gel\u00e4nde \u00d8st\u0103.16o", kObservation);
    const CliResult result = runCli(folder, "shift --mode year " + quoted(obs));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, obs + "\n\n" + kBanner + "\n");
    EXPECT_TRUE(fileExists(folder.file("Gel\u00e4nde \u00d8st\u0103.88o")));
    EXPECT_EQ(runCli(folder, "shift --mode overwrite " + quoted(obs)).status, 0);
    EXPECT_EQ(readBytes(obs + ".bak"), kObservation);
}

#ifndef _WIN32
// A locale whose short date is day/month/year in Arabic-Indic digits, each field followed
// by a right-to-left mark, as Arabic and Persian users' dates are written. Returns the
// folder to give as LOCPATH, or "" where localedef cannot build it.
std::string arabicDigitLocale(const TempFolder& folder) {
    std::string altDigits;
    char digit[8];
    for (int value = 0; value < 100; ++value) {
        if (value > 0) altDigits += ';';
        altDigits += '"';
        for (int place : {value / 10, value % 10}) {
            std::snprintf(digit, sizeof digit, "<U%04X>", 0x0660 + place);
            altDigits += digit;
        }
        altDigits += '"';
    }
    const std::string definition = folder.write(
        "xx_XX.def",
        "LC_TIME\n"
        "abday \"Sun\";\"Mon\";\"Tue\";\"Wed\";\"Thu\";\"Fri\";\"Sat\"\n"
        "day \"Sunday\";\"Monday\";\"Tuesday\";\"Wednesday\";\"Thursday\";\"Friday\";"
        "\"Saturday\"\n"
        "abmon \"Jan\";\"Feb\";\"Mar\";\"Apr\";\"May\";\"Jun\";\"Jul\";\"Aug\";\"Sep\";"
        "\"Oct\";\"Nov\";\"Dec\"\n"
        "mon \"January\";\"February\";\"March\";\"April\";\"May\";\"June\";\"July\";"
        "\"August\";\"September\";\"October\";\"November\";\"December\"\n"
        "am_pm \"AM\";\"PM\"\n"
        "d_t_fmt \"%a %b %e %H:%M:%S %Y\"\n"
        "d_fmt \"%Od<U200F>/%Om<U200F>/%Oy\"\n"
        "t_fmt \"%H:%M:%S\"\n"
        "t_fmt_ampm \"%I:%M:%S %p\"\n"
        "alt_digits " +
            altDigits +
            "\n"
            "END LC_TIME\n");
    // Only LC_TIME is defined, which localedef warns about: -c writes the locale anyway.
    testing::runShellCommand(
        "localedef -c -i " + quoted(definition) + " -f UTF-8 " + quoted(folder.file("xx_XX.UTF-8")),
        folder.file("localedef.txt"));
    return fileExists(folder.file("xx_XX.UTF-8/LC_TIME")) ? folder.path().string() : "";
}
#endif

// The stamp goes into ASCII file headers: digits of other scripts and direction marks of
// the user's short date are written as ASCII digits and left out.
TEST(CliShift, StampsTheUsersShortDateInAsciiDigits) {
#ifdef _WIN32
    GTEST_SKIP() << "a user locale cannot be given to one process on Windows";
#else
    TempFolder folder;
    const std::string locales = arabicDigitLocale(folder);
    if (locales.empty()) GTEST_SKIP() << "localedef cannot build a locale here";
    const std::string obs = folder.write("abcd0480.16o", kObservation);
    const std::tm today = localNow();
    char expected[16];
    std::strftime(expected, sizeof expected, "%d/%m/%y", &today);
    const CliResult result = runCli(folder, "shift " + quoted(obs),
                                    "LOCPATH=" + quoted(locales) + " LC_ALL= LC_TIME=xx_XX.UTF-8 ");
    EXPECT_EQ(result.status, 0) << result.err;
    std::string stampLine = ":                  Chronoflip 1.8   " + std::string(expected);
    stampLine.resize(58, ' ');
    EXPECT_NE(readBytes(folder.file("e_abcd0480.16o")).find(stampLine + ": COMMENT\r\n"),
              std::string::npos);
#endif
}

TEST(CliShift, UsageErrorsExitWithStatusTwo) {
    TempFolder folder;
    for (const char* arguments : {"", "shift", "shift --mode sideways x.16o", "frobnicate"}) {
        const CliResult result = runCli(folder, arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
    }
    EXPECT_EQ(runCli(folder, "--help").status, 0);
    const CliResult version = runCli(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "1.8\n");
}

}  // namespace
}  // namespace chronoflip
