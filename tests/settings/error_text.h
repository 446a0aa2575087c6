#pragma once

#include <stdexcept>
#include <string>

namespace chronoflip::testing {

// The message of the error f raises, or "" when it raises none.
template <typename F>
std::string errorText(F&& f) {
    try {
        f();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

}  // namespace chronoflip::testing
