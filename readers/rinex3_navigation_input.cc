#include "readers/rinex3_navigation_input.h"

#include "core/error.h"

namespace chronoflip {

class Rinex3NavigationInput::Converter {
  public:
    explicit Converter(ConversionSource source) : source_(std::move(source)) {}
    bool produce(TextBuffer&) {
        throw Error("RINEX " + source_.version + " navigation files are not converted yet",
                    source_.path);
    }

  private:
    ConversionSource source_;
};

Rinex3NavigationInput::Rinex3NavigationInput(std::unique_ptr<InputFile> text,
                                             ConversionSource source, ReopenText, ConversionReport&)
    : ProducedText(std::move(text)), converter_(std::make_unique<Converter>(std::move(source))) {}

Rinex3NavigationInput::~Rinex3NavigationInput() = default;

bool Rinex3NavigationInput::produce(TextBuffer& out) {
    return converter_->produce(out);
}

}  // namespace chronoflip
