#pragma once

#include <QAbstractButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/handler_guard.h"
#include "ui/user_dialogs.h"
#include "ui/widget_placement_target.h"

namespace chronoflip {

// Where a placed window comes up, and where it keeps its placement between runs.
struct PlacedWindowSetup {
    // The settings section, which is also the window's object name: the name the program's
    // first version gave the window, under which users' stored placements are found.
    QString section;
    settings::SettingsOpener store;
    MinimiseScope scope;
    // The outer place and size the window has until a stored placement is restored.
    QRect designedPlacement;
    // Values the window keeps beside its placement.
    std::vector<settings::KeptValue> keptValues = {};
};

// A top-level window that comes up where the user left it: its placement is restored each
// time it goes from hidden to shown and stored each time it is closed. A close whose store
// fails leaves the window open. The window's handlers run guarded: an error one raises is
// shown to the user and abandons the handler.
class PlacedWindow : public QWidget {
    Q_OBJECT

  public:
    // Restores the placement when the window goes from hidden to shown, and keeps the
    // window on a screen.
    void setVisible(bool visible) override;

  protected:
    PlacedWindow(QWidget* owner, Qt::WindowFlags flags, UserDialogs& dialogs,
                 PlacedWindowSetup placement);

    void closeEvent(QCloseEvent* event) override;

    // Stores the placement as a close does; false, the error shown, when the store failed.
    bool storePlacement();

    // Runs one of the window's handlers; false when it was abandoned.
    template <typename Window>
    bool guarded(void (Window::*handler)()) {
        return runGuarded(dialogs_, this,
                          [this, handler] { (static_cast<Window*>(this)->*handler)(); });
    }
    // Runs one of the window's handlers, guarded, at every click of the button.
    template <typename Window>
    void handleClicks(QAbstractButton& button, void (Window::*handler)()) {
        connect(&button, &QAbstractButton::clicked, this, [this, handler] { guarded(handler); });
    }

  private:
    UserDialogs& dialogs_;
    MinimiseScope scope_;
    settings::WindowPlacement placement_;
};

}  // namespace chronoflip
