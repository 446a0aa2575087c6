#include <gtest/gtest.h>

#include <string>

#include "core/version.h"
#include "navigation_conversion.h"

namespace chronoflip {
namespace {

using testing::convertNavigation;
using testing::joinedLines;

std::string comment(const std::string& text) {
    std::string line = text;
    line.resize(60, ' ');
    return line + "COMMENT";
}

std::string convertedFrom(const std::string& version) {
    return comment("Converted from RINEX " + version + " to 2.11 by " +
                   std::string(kProgramCaption));
}

const std::string kSourceComment = comment("Source " + std::string(testing::kNavigationName));

// The worked example of the format notes (NYA100NOR_S_20241240000_01D_GN.rnx.gz, header
// and first record), typed from them.
const std::string kNya100Nor = joinedLines({
    "     3.05           N: GNSS NAV DATA    G: GPS              RINEX VERSION / TYPE",
    "gl_Rinex            NMA                 20240504 003737 UTC PGM / RUN BY / DATE",
    "GPSA   1.9558E-08  2.2352E-08 -1.1921E-07 -1.1921E-07 A     IONOSPHERIC CORR",
    "GPSB   1.2083E+05  9.8304E+04 -1.9661E+05 -6.5536E+04 A     IONOSPHERIC CORR",
    "GPUT  9.3132257462E-10 5.329070518E-15  61440 2313        2 TIME SYSTEM CORR",
    "    18                  GPS                                 LEAP SECONDS",
    "                                                            END OF HEADER",
    "G27 2024 05 03 02 00 00-2.202996984124E-05-2.046363078989E-12 0.000000000000E+00",
    "     4.200000000000E+01-9.562500000000E+00 4.543403536708E-09 1.651359513615E+00",
    "    -5.774199962616E-07 1.256587530952E-02 7.808208465576E-06 5.153678092957E+03",
    "     4.392000000000E+05-2.402812242508E-07 1.466243505647E+00 4.656612873077E-08",
    "     9.623062617470E-01 2.312500000000E+02 7.882833055638E-01-8.204627469952E-09",
    "    -3.828730910582E-10 1.000000000000E+00 2.312000000000E+03 0.000000000000E+00",
    "     2.000000000000E+00 0.000000000000E+00 1.862645149231E-09 4.200000000000E+01",
    "     4.320180000000E+05 4.000000000000E+00",
});

const std::string kNya100NorRinex2 = joinedLines({
    "     2.11           N: GPS NAV DATA                         RINEX VERSION / TYPE",
    "gl_Rinex            NMA                 20240504 003737 UTC PGM / RUN BY / DATE",
    convertedFrom("3.05"),
    kSourceComment,
    "    1.9558E-08  2.2352E-08 -1.1921E-07 -1.1921E-07          ION ALPHA",
    "    1.2083E+05  9.8304E+04 -1.9661E+05 -6.5536E+04          ION BETA",
    "    0.931322574620D-09 0.532907051800D-14    61440     2313 DELTA-UTC: A0,A1,T,W",
    "    18                                                      LEAP SECONDS",
    "                                                            END OF HEADER",
    "27 24  5  3  2  0  0.0-2.202996984124E-05-2.046363078989E-12 0.000000000000E+00",
    "    4.200000000000E+01-9.562500000000E+00 4.543403536708E-09 1.651359513615E+00",
    "   -5.774199962616E-07 1.256587530952E-02 7.808208465576E-06 5.153678092957E+03",
    "    4.392000000000E+05-2.402812242508E-07 1.466243505647E+00 4.656612873077E-08",
    "    9.623062617470E-01 2.312500000000E+02 7.882833055638E-01-8.204627469952E-09",
    "   -3.828730910582E-10 1.000000000000E+00 2.312000000000E+03 0.000000000000E+00",
    "    2.000000000000E+00 0.000000000000E+00 1.862645149231E-09 4.200000000000E+01",
    "    4.320180000000E+05 4.000000000000E+00",
});

// A RINEX 4 file with the format notes' ION and STO example
// (KMS300DNK_R_20221591000_01H_MN.rnx.gz) among a GPS LNAV record, a GPS CNAV record that
// only its marker tells from LNAV, a Galileo record and an STO record with a blank
// satellite number.
const std::string kKms300Dnk = joinedLines({
    "     4.00           N: GNSS NAV DATA    M: MIXED            RINEX VERSION / TYPE",
    "sbf2rin-15.4.0                          20220727 122451 UTC PGM / RUN BY / DATE",
    "    18                                                      LEAP SECONDS",
    "                                                            END OF HEADER",
    "> EPH G02 LNAV",
    "G02 2022 06 08 10 00 00-6.528543308377E-04 3.410605131648E-13 0.000000000000E+00",
    "     9.600000000000E+01 3.384375000000E+01 4.106242470052E-09-2.157708626665E+00",
    "     1.812353730202E-06 2.041313482914E-02 9.221956133842E-06 5.153679471970E+03",
    "     2.952000000000E+05 3.594905138016E-07 2.277502707678E+00 2.756714820862E-07",
    "     9.659928182326E-01 2.033437500000E+02-1.414485730254E+00-7.679605600684E-09",
    "     5.857386840816E-11 1.000000000000E+00 2.213000000000E+03 0.000000000000E+00",
    "     2.800000000000E+00 0.000000000000E+00-1.769512891769E-08 9.600000000000E+01",
    "     2.880180000000E+05 4.000000000000E+00",
    "> EPH G02 CNAV",
    "G02 2022 06 08 10 00 00-6.528543308377E-04 3.410605131648E-13 0.000000000000E+00",
    "     9.600000000000E+01 3.384375000000E+01 4.106242470052E-09-2.157708626665E+00",
    "     2.880180000000E+05 4.000000000000E+00",
    "> EPH E01 INAV",
    "E01 2022 06 08 10 00 00-6.528543308377E-04 3.410605131648E-13 0.000000000000E+00",
    "     9.600000000000E+01 3.384375000000E+01 4.106242470052E-09-2.157708626665E+00",
    "     2.880180000000E+05 4.000000000000E+00",
    "> ION G29 LNAV",
    "    2022 06 08 09 59 48 1.024454832077E-08 2.235174179077E-08-5.960464477539E-08",
    "    -1.192092895508E-07 9.625600000000E+04 1.310720000000E+05-6.553600000000E+04",
    "    -5.898240000000E+05 0.000000000000E+00",
    "> STO E   IFNV",
    "    2022 06 08 10 00 00 GAUT                                  UTC(GAL)",
    "     2.952840000000E+05 9.313225746155E-10 2.664535259100E-15 0.000000000000E+00",
    "> STO G26 LNAV",
    "    2022 06 10 19 56 48 GPUT                                  UTC(USNO)",
    "     2.952840000000E+05 9.313225746155E-10 2.664535259100E-15 0.000000000000E+00",
});

const std::string kKms300DnkRinex2 = joinedLines({
    "     2.11           N: GPS NAV DATA                         RINEX VERSION / TYPE",
    "sbf2rin-15.4.0                          20220727 122451 UTC PGM / RUN BY / DATE",
    convertedFrom("4.00"),
    kSourceComment,
    comment("Records left out: 1 Galileo; 1 GPS CNAV/CNV2, 1 ION, 2 STO"),
    comment("ION ALPHA and ION BETA from > ION G29 LNAV"),
    comment("DELTA-UTC: A0,A1,T,W from > STO G26 LNAV"),
    "    1.0245D-08  2.2352D-08 -5.9605D-08 -1.1921D-07          ION ALPHA",
    "    9.6256D+04  1.3107D+05 -6.5536D+04 -5.8982D+05          ION BETA",
    "    9.313225746155E-10 2.664535259100E-15   503808     2213 DELTA-UTC: A0,A1,T,W",
    "    18                                                      LEAP SECONDS",
    "                                                            END OF HEADER",
    " 2 22  6  8 10  0  0.0-6.528543308377E-04 3.410605131648E-13 0.000000000000E+00",
    "    9.600000000000E+01 3.384375000000E+01 4.106242470052E-09-2.157708626665E+00",
    "    1.812353730202E-06 2.041313482914E-02 9.221956133842E-06 5.153679471970E+03",
    "    2.952000000000E+05 3.594905138016E-07 2.277502707678E+00 2.756714820862E-07",
    "    9.659928182326E-01 2.033437500000E+02-1.414485730254E+00-7.679605600684E-09",
    "    5.857386840816E-11 1.000000000000E+00 2.213000000000E+03 0.000000000000E+00",
    "    2.800000000000E+00 0.000000000000E+00-1.769512891769E-08 9.600000000000E+01",
    "    2.880180000000E+05 4.000000000000E+00",
});

// Byte for byte, however the source hands its bytes over and however they are asked for.
TEST(NavigationExamples, ConvertByteForByte) {
    const struct {
        const std::string& source;
        const std::string& rinex2;
        std::string note;
    } examples[] = {
        {kNya100Nor, kNya100NorRinex2, "RINEX 3.05 converted to 2.11; GPS records kept: 1"},
        {kKms300Dnk, kKms300DnkRinex2,
         "RINEX 4.00 converted to 2.11; GPS records kept: 1; records left out: 1 Galileo; 1 GPS "
         "CNAV/CNV2, 1 ION, 2 STO"},
    };
    for (const auto& example : examples) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            for (const std::size_t request : {std::size_t{1}, std::size_t{1} << 16}) {
                std::string note;
                EXPECT_EQ(convertNavigation(example.source, &note, chunk, request), example.rinex2)
                    << "chunk " << chunk << " request " << request;
                EXPECT_EQ(note, example.note);
            }
        }
    }
}

}  // namespace
}  // namespace chronoflip
