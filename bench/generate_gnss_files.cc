// Writes large synthetic but well-formed GNSS files for the benchmark:
//   generate_gnss_files obs|nav|nav4|sp3 OUTPUT [DAYS]
// obs: one day at 1 Hz, 12 satellites, 8 observation types (about 140 MB);
// nav: DAYS days of broadcast ephemerides for 32 satellites every two hours;
// nav4: DAYS days of RINEX 4 broadcast navigation for all systems and every record kind, as
// merged multi-GNSS files hold them (about 7 MB a day);
// sp3: DAYS days of 15-minute orbits for 32 satellites.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void header(std::FILE* out, const char* text, const char* label) {
    std::fprintf(out, "%-60s%-20s\r\n", text, label);
}

void writeObservation(std::FILE* out) {
    header(out, "     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE");
    header(out, "bench               Chronoflip          20160217 101530 UTC",
           "PGM / RUN BY / DATE");
    header(out, "BNCH", "MARKER NAME");
    header(out, "12345               SURVEYOR            BENCH CO", "OBSERVER / AGENCY");
    header(out, "5128K12345          TRIMBLE R10         5.10", "REC # / TYPE / VERS");
    header(out, "1441012345          TRM57971.00     NONE", "ANT # / TYPE");
    header(out, "  4027881.3280   306998.4220  4919499.1670", "APPROX POSITION XYZ");
    header(out, "        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N");
    header(out, "     8    C1    L1    L2    P2    S1    S2    C2    D1", "# / TYPES OF OBSERV");
    header(out, "     1.000", "INTERVAL");
    header(out, "  2016     2    17     0     0    0.0000000     GPS", "TIME OF FIRST OBS");
    header(out, "  2016     2    17    23    59   59.0000000     GPS", "TIME OF LAST OBS");
    header(out, "    17", "LEAP SECONDS");
    header(out, "", "END OF HEADER");
    const int satellites[12] = {1, 3, 6, 7, 9, 11, 14, 16, 19, 22, 23, 32};
    for (int second = 0; second < 86400; ++second) {
        std::fprintf(out, " 16  2 17 %2d %2d %10.7f  0 12", second / 3600, second / 60 % 60,
                     static_cast<double>(second % 60));
        for (int s : satellites) std::fprintf(out, "G%02d", s);
        std::fputs("\r\n", out);
        for (int s : satellites) {
            const double range = 20000000.0 + s * 100000.0 + second * 0.731;
            std::fprintf(out, "%14.3f  %14.3f6 %14.3f6 %14.3f  %14.3f  \r\n", range, range * 5.2,
                         range * 4.1, range + 2.5, 45.0 + s % 7);
            std::fprintf(out, "%14.3f  %14.3f  %14.3f  \r\n", 38.0 + s % 5, range + 1.25,
                         -1234.567 + s);
        }
    }
}

void writeNavigation(std::FILE* out, int days) {
    header(out, "     2.10           N: GPS NAV DATA", "RINEX VERSION / TYPE");
    header(out, "bench               Chronoflip          20160217 101530 UTC",
           "PGM / RUN BY / DATE");
    header(out, "    0.1676D-07  0.2235D-07 -0.1192D-06 -0.1192D-06", "ION ALPHA");
    header(out, "    0.1208D+06  0.1311D+06 -0.1311D+06 -0.4588D+06", "ION BETA");
    header(out, "    0.931322574615D-09 0.106581410364D-13   405504     1886",
           "DELTA-UTC: A0,A1,T,W");
    header(out, "    17", "LEAP SECONDS");
    header(out, "", "END OF HEADER");
    for (int day = 0; day < days; ++day) {
        for (int hour = 0; hour < 24; hour += 2) {
            for (int prn = 1; prn <= 32; ++prn) {
                std::fprintf(out,
                             "%2d 16  3%3d%3d  0  0.0 0.123456789012D-04 0.113686837722D-11 "
                             "0.000000000000D+00\r\n",
                             prn, 1 + day % 28, hour);
                for (int line = 2; line <= 8; ++line) {
                    if (line == 6) {
                        std::fputs(
                            "    0.123456789012D-09 0.100000000000D+01 0.188600000000D+04 "
                            "0.000000000000D+00\r\n",
                            out);
                    } else {
                        std::fputs(
                            "    0.400000000000D+02 0.123750000000D+02 0.457054532187D-08 "
                            "0.236547321487D+01\r\n",
                            out);
                    }
                }
            }
        }
    }
}

// One RINEX 4 record: its marker, then its first line (satellite and epoch, or four blanks
// and the epoch) followed by three fields, then lines - 1 lines of four fields.
void rinex4Record(std::FILE* out, const char* kind, char system, int number, const char* message,
                  int lines, int day, int hour, int minute) {
    static const char* const kFields =
        " 9.600000000000E+01 3.384375000000E+01 4.106242470052E-09-2.157708626665E+00";
    static const char* const kWeekFields =
        " 5.857386840816E-11 1.000000000000E+00 2.253000000000E+03 0.000000000000E+00";
    std::fprintf(out, "> %s %c%02d %s\n", kind, system, number, message);
    if (std::strcmp(kind, "EPH") == 0)
        std::fprintf(out, "%c%02d", system, number);
    else
        std::fputs("   ", out);
    std::fprintf(out, " 2023 03 %02d %02d %02d 00%s\n", 1 + day % 28, hour, minute, kFields + 19);
    for (int line = 2; line <= lines; ++line)
        std::fprintf(out, "    %s\n", line == 6 ? kWeekFields : kFields);
}

void writeRinex4Navigation(std::FILE* out, int days) {
    std::fputs(
        "     4.00           N: GNSS NAV DATA    M: MIXED            RINEX VERSION / TYPE\n"
        "bench               Chronoflip          20230315 004605 UTC PGM / RUN BY / DATE\n"
        "    18                                                      LEAP SECONDS\n"
        "                                                            END OF HEADER\n",
        out);
    for (int step = 0; step < 144 * days; ++step) {  // every ten minutes
        const int day = step / 144;
        const int hour = step / 6 % 24;
        const int minute = step % 6 * 10;
        if (step % 12 == 0) {
            for (int prn = 1; prn <= 32; ++prn)
                rinex4Record(out, "EPH", 'G', prn, "LNAV", 8, day, hour, minute);
            for (int prn = 1; prn <= 20; ++prn)
                rinex4Record(out, "EPH", 'G', prn, "CNAV", 9, day, hour, minute);
        }
        if (step % 3 == 0) {
            for (int slot = 1; slot <= 24; ++slot)
                rinex4Record(out, "EPH", 'R', slot, "FDMA", 5, day, hour, minute);
        }
        for (int prn = 1; prn <= 24; ++prn) {
            rinex4Record(out, "EPH", 'E', prn, "INAV", 8, day, hour, minute);
            rinex4Record(out, "EPH", 'E', prn, "FNAV", 8, day, hour, minute);
        }
        for (int prn = 20; prn <= 27; ++prn)
            rinex4Record(out, "EPH", 'S', prn, "SBAS", 4, day, hour, minute);
        if (step % 6 == 0) {
            for (int prn = 1; prn <= 45; ++prn)
                rinex4Record(out, "EPH", 'C', prn, "D1", 8, day, hour, minute);
            for (int prn = 1; prn <= 7; ++prn) {
                rinex4Record(out, "EPH", 'J', prn, "LNAV", 8, day, hour, minute);
                rinex4Record(out, "EPH", 'I', prn, "LNAV", 8, day, hour, minute);
            }
            rinex4Record(out, "ION", 'G', 1, "LNAV", 3, day, hour, minute);
            rinex4Record(out, "ION", 'E', 1, "IFNV", 2, day, hour, minute);
            rinex4Record(out, "STO", 'G', 1, "LNAV", 2, day, hour, minute);
            rinex4Record(out, "EOP", 'G', 1, "LNAV", 3, day, hour, minute);
        }
    }
}

void writeSp3(std::FILE* out, int days) {
    std::fprintf(out, "#cP2016  2 18  0  0  0.00000000 %6d ORBIT IGb08 FIT  AGY\r\n", days * 96);
    std::fputs("## 1884 345600.00000000   900.00000000 57436 0.0000000000000\r\n", out);
    std::fputs("+   32   G01G02G03G04G05G06G07G08G09G10G11G12G13G14G15G16G17\r\n", out);
    std::fputs("%c G  cc GPS ccc cccc cccc cccc cccc ccccc ccccc ccccc ccccc\r\n", out);
    std::fputs("/* SYNTHETIC ORBITS FOR BENCHMARKING\r\n", out);
    for (int day = 0; day < days; ++day) {
        for (int epoch = 0; epoch < 96; ++epoch) {
            std::fprintf(out, "*  2016  2 %2d %2d %2d  0.00000000\r\n", 18 + day % 10, epoch / 4,
                         epoch % 4 * 15);
            for (int prn = 1; prn <= 32; ++prn) {
                std::fprintf(out, "PG%02d %13.6f %13.6f %13.6f %13.6f\r\n", prn,
                             -6153.408320 + epoch, -25374.128592 + prn, -1837.707108, 37.516041);
            }
        }
    }
    std::fputs("EOF\r\n", out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s obs|nav|nav4|sp3 OUTPUT [DAYS]\n", argv[0]);
        return 2;
    }
    const int days = argc > 3 ? std::atoi(argv[3]) : 1;
    std::FILE* out = std::fopen(argv[2], "wb");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
    if (std::strcmp(argv[1], "obs") == 0)
        writeObservation(out);
    else if (std::strcmp(argv[1], "nav") == 0)
        writeNavigation(out, days);
    else if (std::strcmp(argv[1], "nav4") == 0)
        writeRinex4Navigation(out, days);
    else if (std::strcmp(argv[1], "sp3") == 0)
        writeSp3(out, days);
    else
        return 2;
    return std::fclose(out) == 0 ? 0 : 1;
}
