#include "PlacedWidget.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace chronoflip {

namespace {

// Width and height of the window frame around the widget's own area; zero while the
// platform cannot tell yet.
QSize frameExtent(const QWidget& widget) {
    return widget.frameGeometry().size() - widget.size();
}

// Qt learns the size of a window's frame only once the window is shown, on some systems
// only once the window manager has framed it. An outer size asked for before then is
// applied again as soon as the frame is known, so a stored size never grows by the frame.
class OuterSizeKeeper final : public QObject {
  public:
    static OuterSizeKeeper* of(QWidget& window) {
        for (QObject* child : window.children()) {
            if (auto* keeper = dynamic_cast<OuterSizeKeeper*>(child)) return keeper;
        }
        return nullptr;
    }
    static void keep(QWidget& window) {
        OuterSizeKeeper* keeper = of(window);
        if (keeper == nullptr) keeper = new OuterSizeKeeper(window);
        keeper->outerSize_ = window.size();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) return false;
        if (!window_.isVisible() || frameExtent(window_).isNull()) return false;
        window_.removeEventFilter(this);
        if (type == QEvent::Show) {
            apply();
        } else {
            // Not from inside the event: the window may be in the middle of painting.
            QMetaObject::invokeMethod(this, &OuterSizeKeeper::apply, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    explicit OuterSizeKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    void apply() {
        if (window_.windowState() == Qt::WindowNoState) {
            window_.resize(outerSize_ - frameExtent(window_));
        }
        deleteLater();
    }

    QWidget& window_;
    QSize outerSize_;
};

void resizeOuter(QWidget& window, QSize outerSize) {
    const QSize frame = frameExtent(window);
    window.resize(outerSize - frame);
    if (frame.isNull()) {
        OuterSizeKeeper::keep(window);
    } else {
        delete OuterSizeKeeper::of(window);
    }
}

}  // namespace

// pos() is the frame's position also while Qt has yet to place a newly shown window.
int PlacedWidget::top() const {
    return widget_.pos().y();
}

int PlacedWidget::left() const {
    return widget_.pos().x();
}

int PlacedWidget::width() const {
    return widget_.frameGeometry().width();
}

int PlacedWidget::height() const {
    return widget_.frameGeometry().height();
}

void PlacedWidget::setTop(int top) {
    widget_.move(widget_.pos().x(), top);
}

void PlacedWidget::setLeft(int left) {
    widget_.move(left, widget_.pos().y());
}

void PlacedWidget::setWidth(int width) {
    resizeOuter(widget_, QSize(width, this->height()));
}

void PlacedWidget::setHeight(int height) {
    resizeOuter(widget_, QSize(this->width(), height));
}

settings::WindowState PlacedWidget::state() const {
    if (widget_.isMinimized() && scope_ == MinimiseScope::Window) {
        return settings::WindowState::Minimised;
    }
    return widget_.isMaximized() ? settings::WindowState::Maximised : settings::WindowState::Normal;
}

bool PlacedWidget::isActive() const {
    return widget_.isActiveWindow() && !widget_.isMinimized();
}

void PlacedWidget::setNormal() {
    widget_.setWindowState(widget_.windowState() &
                           ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void PlacedWidget::postMinimise() {
    QMetaObject::invokeMethod(&widget_, &QWidget::showMinimized, Qt::QueuedConnection);
}

void PlacedWidget::setMaximised() {
    widget_.setWindowState((widget_.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void placeOuter(QWidget& window, MinimiseScope scope, const QRect& outer) {
    PlacedWidget placed(window, scope);
    placed.setLeft(outer.left());
    placed.setTop(outer.top());
    placed.setWidth(outer.width());
    placed.setHeight(outer.height());
}

}  // namespace chronoflip
