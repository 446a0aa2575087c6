#include "ui/click_watcher.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace chronoflip {

namespace {

class ClickWatcher final : public QObject {
  public:
    ClickWatcher(QWidget& widget, std::function<void()> callback)
        : QObject(&widget), widget_(widget), callback_(std::move(callback)) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &widget_ || event->type() != QEvent::MouseButtonRelease) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            !widget_.rect().contains(mouse->position().toPoint())) {
            return false;
        }
        callback_();
        return true;
    }

  private:
    QWidget& widget_;
    std::function<void()> callback_;
};

}  // namespace

void onClick(QWidget& widget, std::function<void()> callback) {
    new ClickWatcher(widget, std::move(callback));
}

}  // namespace chronoflip
