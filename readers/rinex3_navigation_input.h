#pragma once

#include <memory>

#include "core/file_system.h"
#include "readers/conversion.h"
#include "readers/decoded_input.h"
#include "readers/produced_text.h"

namespace chronoflip {

// RINEX 3.0x and 4.0x navigation text converted to RINEX 2.11 GPS navigation text, record
// by record in constant memory. Anything it cannot convert faithfully throws an Error
// naming the file, the line and the fault.
class Rinex3NavigationInput final : public ProducedText {
  public:
    // reopen gives the same RINEX 3 text again, for counting what is left out before the
    // header is written.
    Rinex3NavigationInput(std::unique_ptr<InputFile> text, ConversionSource source,
                          ReopenText reopen, ConversionReport& report);
    ~Rinex3NavigationInput() override;

  private:
    class Converter;

    bool produce(TextBuffer& out) override;

    std::unique_ptr<Converter> converter_;
};

}  // namespace chronoflip
