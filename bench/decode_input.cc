// Writes the text a source holds, decoded as its name asks (.gz, .Z, Compact RINEX), to
// standard output: the decoders alone, for timing them. RINEX 3 text stays RINEX 3.
//   decode_input FILE
#include <cstdio>
#include <exception>
#include <vector>

#include "core/file_system.h"
#include "readers/decoded_input.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    chronoflip::LocalFileSystem files;
    std::vector<char> buffer(256 * 1024);
    try {
        const auto input = chronoflip::openUnpacked(files, argv[1]);
        while (const std::size_t n = input->read(buffer.data(), buffer.size())) {
            if (std::fwrite(buffer.data(), 1, n, stdout) != n) return 1;
        }
        input->close();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
