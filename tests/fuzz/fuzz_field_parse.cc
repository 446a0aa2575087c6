#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text_fields.h"

// The field parse agrees with the standard library on plain decimal fields and never
// reads outside the field, whatever the bytes and columns.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int first = static_cast<std::int8_t>(data[0]);
    const int length = static_cast<std::int8_t>(data[1]);
    const std::string_view line(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string_view slice = chronoflip::field(line, {first, length});
    if (!slice.empty() && (slice.data() < line.data() || slice.end() > line.end())) std::abort();
    const std::int64_t value = chronoflip::parseInt(slice);

    const bool plainDigits = !slice.empty() && slice.size() <= 18 &&
                             slice.find_first_not_of("0123456789") == std::string_view::npos;
    if (plainDigits) {
        std::int64_t expected = 0;
        std::from_chars(slice.data(), slice.data() + slice.size(), expected);
        if (value != expected) std::abort();
    }
    return 0;
}
