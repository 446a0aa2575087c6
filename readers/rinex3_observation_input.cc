#include "readers/rinex3_observation_input.h"

#include "core/error.h"

namespace chronoflip {

class Rinex3ObservationInput::Converter {
  public:
    explicit Converter(ConversionSource source) : source_(std::move(source)) {}
    bool produce(TextBuffer&) {
        throw Error("RINEX " + source_.version + " observation files are not converted yet",
                    source_.path);
    }

  private:
    ConversionSource source_;
};

Rinex3ObservationInput::Rinex3ObservationInput(std::unique_ptr<InputFile> text,
                                               ConversionSource source, KeptSystems,
                                               ConversionReport&)
    : ProducedText(std::move(text)), converter_(std::make_unique<Converter>(std::move(source))) {}

Rinex3ObservationInput::~Rinex3ObservationInput() = default;

bool Rinex3ObservationInput::produce(TextBuffer& out) {
    return converter_->produce(out);
}

}  // namespace chronoflip
