// Writes large synthetic but well-formed GNSS files for the benchmark:
//   generate_gnss_files obs|obs3|obs3-as-rinex2|nav|nav4|sp3 OUTPUT [DAYS]
// obs: RINEX 2.11, DAYS days at 1 Hz from 17 February 2016, 12 satellites, 8 observation
//   types (about 143 MB a day);
// obs3: RINEX 3.04, one day at 1 Hz, GPS, GLONASS, Galileo and BeiDou satellites rising and
//   setting (about 30 in view), 12 to 16 codes each as a geodetic receiver records them
//   (about 590 MB); obs3-as-rinex2: the same observations as RINEX 2.11, 16 types;
// nav: DAYS days of broadcast ephemerides for 32 satellites every two hours;
// nav4: DAYS days of RINEX 4 broadcast navigation for all systems and every record kind, as
// merged multi-GNSS files hold them (about 7 MB a day);
// sp3: DAYS days of 15-minute orbits for 32 satellites.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// RINEX 2 files as DOS programs wrote them, CR LF; RINEX 3 files as today, LF.
void header(std::FILE* out, const char* text, const char* label, const char* end = "\r\n") {
    std::fprintf(out, "%-60s%-20s%s", text, label, end);
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

// A constellation as the benchmark's receiver sees it: satellites of one system rise and
// set with the orbit's period; each band gives four codes (code, phase, Doppler, strength).
struct Constellation {
    char letter;
    int satellites;  // in the pool; about 55 % are in view at a time
    double period;   // seconds for one rise and set
    const char* codes;
    double wavelengths[4];  // of the bands in the order the codes give them
    int modernFrom;         // satellites from this number on give the last band; older none
};

constexpr double kPi = 3.14159265358979323846;

const Constellation kConstellations[] = {
    {'G',
     18,
     43082.0,
     "C1C L1C D1C S1C C2W L2W D2W S2W C2L L2L D2L S2L C5Q L5Q D5Q S5Q",
     {0.190293673, 0.244210213, 0.244210213, 0.254828049},
     6},
    {'R',
     13,
     40544.0,
     "C1C L1C D1C S1C C2C L2C D2C S2C C2P L2P D2P S2P",
     {0.187, 0.2405, 0.2405},
     1},
    {'E',
     15,
     50680.0,
     "C1C L1C D1C S1C C5Q L5Q D5Q S5Q C7Q L7Q D7Q S7Q C8Q L8Q D8Q S8Q",
     {0.190293673, 0.254828049, 0.248349369, 0.251547001},
     1},
    {'C',
     11,
     46380.0,
     "C2I L2I D2I S2I C7I L7I D7I S7I C6I L6I D6I S6I",
     {0.192039486, 0.248349369, 0.236332464},
     1},
};

int codeCount(const Constellation& c) {
    return static_cast<int>(std::strlen(c.codes) + 1) / 4;
}

// Noise of the measurements, the same on every run.
class Noise {
  public:
    double next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
    }

  private:
    std::uint64_t state_ = 0x9e3779b97f4a7c15;
};

// The benchmark's receiver: every second the satellites in view, each with its
// observations of 16 columns (F14.3, LLI, signal strength) in one string, trailing blanks
// cut. Older GPS satellites lack the last band.
class Receiver {
  public:
    // The number of satellites in view this second.
    std::size_t observe(int second) {
        std::size_t count = 0;
        for (const Constellation& c : kConstellations) {
            for (int prn = 1; prn <= c.satellites; ++prn) {
                // An elevation-like curve: in view above -0.1.
                const double phase = 2 * kPi * (second / c.period + prn * 0.618);
                const double elevation = std::sin(phase);
                if (elevation < -0.1) continue;
                if (ids_.size() <= count) {
                    ids_.emplace_back();
                    records_.emplace_back();
                }
                char id[16];
                std::snprintf(id, sizeof id, "%c%02d", c.letter, prn);
                ids_[count] = id;
                record(c, prn, phase, records_[count]);
                ++count;
            }
        }
        return count;
    }
    const std::string& id(std::size_t index) const { return ids_[index]; }
    const std::string& record(std::size_t index) const { return records_[index]; }

  private:
    void record(const Constellation& c, int prn, double phase, std::string& out) {
        const double elevation = std::sin(phase);
        const double range = 20200000.0 + (1.0 - elevation) * 5000000.0;
        const double rate = -5000000.0 * std::cos(phase) * 2 * kPi / c.period;
        const double strength = 35.0 + 15.0 * (elevation + 0.1) / 1.1;
        const int bands = codeCount(c) / 4 - (prn < c.modernFrom ? 1 : 0);
        out.clear();
        for (int band = 0; band < bands; ++band) {
            const double lambda = c.wavelengths[band];
            const double snr = std::round((strength - 2.5 * band) * 4) / 4;
            const char ssi = static_cast<char>('0' + std::min(9, static_cast<int>(snr / 6)));
            put(out, range + 0.3 * noise_.next(), ' ', ' ');
            put(out, (range + 0.002 * noise_.next()) / lambda + 1000000.0 * prn, ' ', ssi);
            put(out, -rate / lambda + 0.05 * noise_.next(), ' ', ' ');
            put(out, snr, ' ', ' ');
        }
        out.erase(out.find_last_not_of(' ') + 1);
    }

    // F14.3 without a leading zero, as RINEX writers often give values below 1 and as
    // Compact RINEX gives them back; never "-.000", which it has no number for.
    static void put(std::string& out, double value, char lli, char ssi) {
        char text[40];
        if (std::abs(value) < 0.0005) value = 0;
        std::snprintf(text, sizeof text, "%14.3f%c%c", value, lli, ssi);
        if (text[9] == '0' && (text[8] == ' ' || text[8] == '-')) {
            text[9] = text[8];
            text[8] = ' ';
        }
        out += text;
    }

    Noise noise_;
    std::vector<std::string> ids_;
    std::vector<std::string> records_;
};

void writeObservation3(std::FILE* out) {
    header(out, "     3.04           OBSERVATION DATA    M: MIXED", "RINEX VERSION / TYPE", "\n");
    header(out, "bench               Chronoflip          20160217 101530 UTC",
           "PGM / RUN BY / DATE", "\n");
    header(out, "BNCH", "MARKER NAME", "\n");
    header(out, "BNCH00DEU", "MARKER NUMBER", "\n");
    header(out, "GEODETIC", "MARKER TYPE", "\n");
    header(out, "12345               BENCH CO", "OBSERVER / AGENCY", "\n");
    header(out, "3001234             SEPT POLARX5        5.4.0", "REC # / TYPE / VERS", "\n");
    header(out, "1441012345          LEIAR25.R4      LEIT", "ANT # / TYPE", "\n");
    header(out, "  4027881.3280   306998.4220  4919499.1670", "APPROX POSITION XYZ", "\n");
    header(out, "        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N", "\n");
    // Thirteen codes to a line, continuation lines indented by six blanks.
    for (const Constellation& c : kConstellations) {
        char line[61];
        const int count = codeCount(c);
        for (int first = 0; first < count; first += 13) {
            const int length = std::min(13, count - first) * 4 - 1;
            if (first == 0)
                std::snprintf(line, sizeof line, "%c  %3d %.*s", c.letter, count, length, c.codes);
            else
                std::snprintf(line, sizeof line, "       %.*s", length, c.codes + first * 4);
            header(out, line, "SYS / # / OBS TYPES", "\n");
        }
    }
    header(out, "DBHZ", "SIGNAL STRENGTH UNIT", "\n");
    header(out, "     1.000", "INTERVAL", "\n");
    header(out, "  2016     2    17     0     0    0.0000000     GPS", "TIME OF FIRST OBS", "\n");
    header(out, "  2016     2    17    23    59   59.0000000     GPS", "TIME OF LAST OBS", "\n");
    header(out, "    17    17  1851     3", "LEAP SECONDS", "\n");
    header(out, "", "END OF HEADER", "\n");
    Receiver receiver;
    for (int second = 0; second < 86400; ++second) {
        const std::size_t count = receiver.observe(second);
        std::fprintf(out, "> 2016 02 17 %02d %02d%11.7f  0%3zu\n", second / 3600, second / 60 % 60,
                     static_cast<double>(second % 60), count);
        for (std::size_t i = 0; i < count; ++i)
            std::fprintf(out, "%s%s\n", receiver.id(i).c_str(), receiver.record(i).c_str());
    }
}

// The same observations in the RINEX 2.11 layout, LF line ends, for comparing the two
// Compact RINEX versions on equal data: band k of every system fills the types of slot k
// (C1 L1 D1 S1, P2 L2 D2 S2, ...), as the decoder sees only numbers.
void writeObservation3AsRinex2(std::FILE* out) {
    constexpr std::size_t kFieldsPerLine = 5;
    constexpr std::size_t kLineWidth = kFieldsPerLine * 16;
    header(out, "     2.11           OBSERVATION DATA    M (MIXED)", "RINEX VERSION / TYPE", "\n");
    header(out, "bench               Chronoflip          20160217 101530 UTC",
           "PGM / RUN BY / DATE", "\n");
    header(out, "BNCH", "MARKER NAME", "\n");
    header(out, "    16    C1    L1    D1    S1    P2    L2    D2    S2    C5",
           "# / TYPES OF OBSERV", "\n");
    header(out, "          L5    D5    S5    C7    L7    D7    S7", "# / TYPES OF OBSERV", "\n");
    header(out, "     1.000", "INTERVAL", "\n");
    header(out, "  2016     2    17     0     0    0.0000000     GPS", "TIME OF FIRST OBS", "\n");
    header(out, "", "END OF HEADER", "\n");
    Receiver receiver;
    for (int second = 0; second < 86400; ++second) {
        const std::size_t count = receiver.observe(second);
        std::fprintf(out, " 16  2 17 %2d %2d%11.7f  0%3zu", second / 3600, second / 60 % 60,
                     static_cast<double>(second % 60), count);
        for (std::size_t i = 0; i < count; ++i) {
            if (i != 0 && i % 12 == 0) std::fputs("\n                                ", out);
            std::fputs(receiver.id(i).c_str(), out);
        }
        std::fputc('\n', out);
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& record = receiver.record(i);
            for (std::size_t start = 0; start < 16 * 16; start += kLineWidth) {
                std::string line = start < record.size() ? record.substr(start, kLineWidth) : "";
                line.erase(line.find_last_not_of(' ') + 1);
                std::fprintf(out, "%s\n", line.c_str());
            }
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
        std::fprintf(stderr, "usage: %s obs|obs3|obs3-as-rinex2|nav|nav4|sp3 OUTPUT [DAYS]\n",
                     argv[0]);
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
    else if (std::strcmp(argv[1], "obs3") == 0)
        writeObservation3(out);
    else if (std::strcmp(argv[1], "obs3-as-rinex2") == 0)
        writeObservation3AsRinex2(out);
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
