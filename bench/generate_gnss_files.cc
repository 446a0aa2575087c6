// Writes large synthetic but well-formed GNSS files for the benchmark:
//   generate_gnss_files obs|nav|sp3 OUTPUT [DAYS]
// obs: DAYS days at 1 Hz from 17 February 2016, 12 satellites, 8 observation types (about
//      143 MB a day);
// nav: DAYS days of broadcast ephemerides for 32 satellites every two hours;
// sp3: DAYS days of 15-minute orbits for 32 satellites.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void header(std::FILE* out, const char* text, const char* label) {
    std::fprintf(out, "%-60s%-20s\r\n", text, label);
}

struct Date {
    int month;
    int day;
};

// The days after 17 February 2016, within 2016.
Date dateAfter(int days) {
    const int lengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Date date{2, 17 + days};
    while (date.month < 12 && date.day > lengths[date.month - 1]) {
        date.day -= lengths[date.month - 1];
        ++date.month;
    }
    return date;
}

void writeObservation(std::FILE* out, int days) {
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
    const Date last = dateAfter(days - 1);
    char lastText[61];
    std::snprintf(lastText, sizeof lastText, "  2016 %5d %5d    23    59   59.0000000     GPS",
                  last.month, last.day);
    header(out, lastText, "TIME OF LAST OBS");
    header(out, "    17", "LEAP SECONDS");
    header(out, "", "END OF HEADER");
    const int satellites[12] = {1, 3, 6, 7, 9, 11, 14, 16, 19, 22, 23, 32};
    for (int second = 0; second < 86400 * days; ++second) {
        const Date date = dateAfter(second / 86400);
        std::fprintf(out, " 16 %2d %2d %2d %2d %10.7f  0 12", date.month, date.day,
                     second / 3600 % 24, second / 60 % 60, static_cast<double>(second % 60));
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
        std::fprintf(stderr, "usage: %s obs|nav|sp3 OUTPUT [DAYS]\n", argv[0]);
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
        writeObservation(out, days);
    else if (std::strcmp(argv[1], "nav") == 0)
        writeNavigation(out, days);
    else if (std::strcmp(argv[1], "sp3") == 0)
        writeSp3(out, days);
    else
        return 2;
    return std::fclose(out) == 0 ? 0 : 1;
}
