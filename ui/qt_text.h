#pragma once

#include <QString>
#include <string_view>

namespace chronoflip {

// The engine's texts (paths, messages) are UTF-8.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace chronoflip
