#pragma once

#include <QString>
#include <exception>
#include <string_view>

#include "core/error.h"

#include "ui/user_dialogs.h"

namespace chronoflip {

// The message box's text: the message as it stands, and on a line of its own the file it
// concerns, unless the message names it already.
inline QString errorBoxText(const std::exception& error) {
    QString text = QString::fromUtf8(error.what());
    if (const auto* named = dynamic_cast<const Error*>(&error)) {
        const std::string& path = named->path();
        if (!path.empty() && std::string_view(error.what()).find(path) == std::string_view::npos) {
            text += QLatin1Char('\n') + QString::fromUtf8(path);
        }
    }
    return text;
}

// Runs a window's event handler. An error it raises abandons the handler there and is
// shown to the user; the program goes on. Returns false when the handler was abandoned.
template <typename Handler>
bool runGuarded(UserDialogs& dialogs, QWidget* owner, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        dialogs.showError(owner, errorBoxText(error));
        return false;
    }
}

}  // namespace chronoflip
