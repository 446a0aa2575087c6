#include "ui/placed_window.h"

#include <QCloseEvent>

namespace chronoflip {

PlacedWindow::PlacedWindow(QWidget* owner, Qt::WindowFlags flags, UserDialogs& dialogs,
                           PlacedWindowSetup placement)
    : QWidget(owner, flags),
      dialogs_(dialogs),
      scope_(placement.scope),
      placement_(placement.section, std::move(placement.store), std::move(placement.keptValues)) {
    setObjectName(placement.section);
    placeOuter(*this, scope_, placement.designedPlacement);
}

// The placement is restored before the platform shows the window: a place given then is
// the frame's, which a window manager keeps to, while a window on the screen is placed by
// its inside, whose offset from the frame may not be known yet. Whatever was restored, and
// also when the store failed, the window comes up within reach.
void PlacedWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        runGuarded(dialogs_, this, [this] {
            WidgetPlacementTarget target(*this, scope_);
            placement_.restore(target);
        });
        keepOnScreen(*this, scope_);
    }
    QWidget::setVisible(visible);
}

void PlacedWindow::closeEvent(QCloseEvent* event) {
    if (!storePlacement()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool PlacedWindow::storePlacement() {
    return runGuarded(dialogs_, this, [this] {
        WidgetPlacementTarget target(*this, scope_);
        placement_.save(target);
    });
}

}  // namespace chronoflip
