#pragma once

#include <memory>

#include "core/file_system.h"
#include "readers/conversion.h"
#include "readers/gnss_systems.h"
#include "readers/produced_text.h"

namespace chronoflip {

// RINEX 3.00-3.05 and 4.00-4.02 observation text converted to RINEX 2.11 observation text,
// epoch by epoch in constant memory: the header's records kept, rewritten or left out, one
// RINEX 2.11 type list chosen for the whole file from each system's codes, satellites of
// systems not kept left out. Anything it cannot convert faithfully throws an Error naming
// the file, the line and the fault.
class Rinex3ObservationInput final : public ProducedText {
  public:
    Rinex3ObservationInput(std::unique_ptr<InputFile> text, ConversionSource source,
                           KeptSystems systems, ConversionReport& report);
    ~Rinex3ObservationInput() override;

  private:
    class Converter;

    bool produce(TextBuffer& out) override;

    std::unique_ptr<Converter> converter_;
};

}  // namespace chronoflip
