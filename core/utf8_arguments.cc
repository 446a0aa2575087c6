#include "core/utf8_arguments.h"

#include "core/console.h"

namespace chronoflip {

Utf8Arguments::Utf8Arguments(int argc, char** argv)
    : texts_(commandLineArguments(argc, argv)), consoleCodePage_(useUtf8Console()) {
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

Utf8Arguments::~Utf8Arguments() {
    restoreConsole(consoleCodePage_);
}

}  // namespace chronoflip
