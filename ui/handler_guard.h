#pragma once

#include <QString>
#include <exception>

#include "ui/user_dialogs.h"

namespace chronoflip {

// Runs a window's event handler. An error it raises abandons the handler there and is
// shown to the user; the program goes on. Returns false when the handler was abandoned.
template <typename Handler>
bool runGuarded(UserDialogs& dialogs, QWidget* owner, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        dialogs.showError(owner, QString::fromUtf8(error.what()));
        return false;
    }
}

}  // namespace chronoflip
