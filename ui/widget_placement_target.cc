#include "ui/widget_placement_target.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <optional>
#include <utility>
#include <vector>

#include "ui/screen_fit.h"

namespace chronoflip {

namespace {

// Width and height of the window frame around the widget's own area, as far as the
// platform knows it yet.
QSize frameExtent(const QWidget& widget) {
    return widget.frameGeometry().size() - widget.size();
}

bool isNormal(const QWidget& widget) {
    return (widget.windowState() &
            (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
}

// Until a window is on the screen, a window manager may not yet have told the frame it
// puts around the window: Qt then sizes the inside as if there were no frame, so a stored
// outer size would grow by the frame at every start. What was asked for before then is
// asked for again once the window is on the screen, and only then is the window
// minimised or maximised: a window manager ignores a minimise for a window it has not
// taken on, and it gives a window that started maximised, when made normal again, the
// place and size it had before. One per window, for as long as the window lives.
class PendingPlacement final : public QObject {
  public:
    static PendingPlacement& of(QWidget& window) {
        for (QObject* child : window.children()) {
            if (auto* pending = dynamic_cast<PendingPlacement*>(child)) return *pending;
        }
        return *new PendingPlacement(window);
    }

    void keepOuter(const QRect& outer) { outer_ = outer; }
    void showAs(ShownState state) { state_ = state; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == &window_) {
            exposed_ = false;
            watchPlatformWindow();
            // Where the platform knows the frame before the window is on the screen, the
            // window appears at once as it should; it is asked for again once on the
            // screen, in case the frame has changed since the platform learnt it.
            if (!window_.windowHandle()->frameMargins().isNull()) applyOuter();
        }
        if (event->type() == QEvent::Expose && watched == watched_ && watched_->isExposed()) {
            exposed_ = true;
            // Not from inside the event: the window may be in the middle of painting.
            QMetaObject::invokeMethod(this, &PendingPlacement::apply, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    explicit PendingPlacement(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        watchPlatformWindow();
    }

    // The platform window exists once the widget has been shown (or created) and tells
    // when it is exposed.
    void watchPlatformWindow() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || handle == watched_) return;
        handle->installEventFilter(this);
        watched_ = handle;
    }

    // A window that is not normal (shown maximised as it was before) is left as it is.
    void applyOuter() {
        if (outer_ && isNormal(window_)) {
            window_.setGeometry(outer_->marginsRemoved(window_.windowHandle()->frameMargins()));
        }
    }

    void apply() {
        if (!exposed_) return;
        applyOuter();
        outer_.reset();
        switch (std::exchange(state_, ShownState::AsItIs)) {
            case ShownState::Minimised:
                window_.showMinimized();
                break;
            case ShownState::Maximised:
                window_.showMaximized();
                break;
            case ShownState::AsItIs:
                break;
        }
    }

    QWidget& window_;
    QWindow* watched_ = nullptr;
    // Whether the platform window has been exposed since the widget was last shown; a
    // platform may still count a window that was hidden as exposed when it is shown again.
    bool exposed_ = false;
    std::optional<QRect> outer_;
    ShownState state_ = ShownState::AsItIs;
};

}  // namespace

// pos() is the frame's position also while Qt has yet to place a newly shown window.
int WidgetPlacementTarget::top() const {
    return widget_.pos().y();
}

int WidgetPlacementTarget::left() const {
    return widget_.pos().x();
}

int WidgetPlacementTarget::width() const {
    return widget_.frameGeometry().width();
}

int WidgetPlacementTarget::height() const {
    return widget_.frameGeometry().height();
}

void WidgetPlacementTarget::setTop(int top) {
    widget_.move(widget_.pos().x(), top);
    keepUntilOnScreen();
}

void WidgetPlacementTarget::setLeft(int left) {
    widget_.move(left, widget_.pos().y());
    keepUntilOnScreen();
}

void WidgetPlacementTarget::setWidth(int width) {
    widget_.resize(QSize(width, height()) - frameExtent(widget_));
    keepUntilOnScreen();
}

void WidgetPlacementTarget::setHeight(int height) {
    widget_.resize(QSize(width(), height) - frameExtent(widget_));
    keepUntilOnScreen();
}

void WidgetPlacementTarget::keepUntilOnScreen() {
    PendingPlacement::of(widget_).keepOuter(QRect(left(), top(), width(), height()));
}

settings::WindowState WidgetPlacementTarget::state() const {
    if (widget_.isMinimized() && scope_ == MinimiseScope::Window) {
        return settings::WindowState::Minimised;
    }
    return widget_.isMaximized() ? settings::WindowState::Maximised : settings::WindowState::Normal;
}

// The program is active while any of its windows is: another of them being active (the
// About window, say) is no sign of a program minimised to the task bar.
bool WidgetPlacementTarget::isActive() const {
    return QApplication::activeWindow() != nullptr && !widget_.isMinimized();
}

void WidgetPlacementTarget::setNormal() {
    showPlacedAs(ShownState::AsItIs);
}

void WidgetPlacementTarget::postMinimise() {
    showPlacedAs(ShownState::Minimised);
}

void WidgetPlacementTarget::setMaximised() {
    showPlacedAs(ShownState::Maximised);
}

// The window comes up normal, where it was placed, and is then made what it should be.
void WidgetPlacementTarget::showPlacedAs(ShownState state) {
    widget_.setWindowState(widget_.windowState() &
                           ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    PendingPlacement::of(widget_).showAs(state);
}

void placeOuter(QWidget& window, MinimiseScope scope, const QRect& outer) {
    WidgetPlacementTarget placed(window, scope);
    placed.setLeft(outer.left());
    placed.setTop(outer.top());
    placed.setWidth(outer.width());
    placed.setHeight(outer.height());
}

void keepOnScreen(QWidget& window, MinimiseScope scope) {
    const WidgetPlacementTarget placed(window, scope);
    const QRect outer(placed.left(), placed.top(), placed.width(), placed.height());
    const QScreen* primary = QGuiApplication::primaryScreen();
    std::vector<QRect> areas{primary->availableGeometry()};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) areas.push_back(screen->availableGeometry());
    }
    const QRect fitted = fittedPlacement(outer, screenAreaFor(outer, areas));
    if (fitted != outer) placeOuter(window, scope, fitted);
}

}  // namespace chronoflip
