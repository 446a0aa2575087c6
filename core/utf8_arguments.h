#pragma once

#include <string>
#include <vector>

namespace chronoflip {

// The command line as UTF-8 text, which is how paths travel through the program. POSIX
// passes the bytes as they came; Windows hands main() its ANSI code page, so the wide
// command line is converted instead, and the console shows UTF-8 while this object lives.
class Utf8Arguments {
  public:
    Utf8Arguments(int argc, char** argv);
    ~Utf8Arguments();
    Utf8Arguments(const Utf8Arguments&) = delete;
    Utf8Arguments& operator=(const Utf8Arguments&) = delete;

    int argc() const { return static_cast<int>(pointers_.size()) - 1; }
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;   // into texts_, ending with a null pointer as argv does
    unsigned consoleCodePage_ = 0;  // the console's own, given back at the end (Windows)
};

}  // namespace chronoflip
