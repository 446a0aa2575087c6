#include "ui/user_input_block.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace chronoflip {

namespace {

bool isUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        // Files dragged onto a window: refused, so nothing is dropped.
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        // A close box or a task bar's close; the program's own closes meanwhile only hide.
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

bool isForModalDialog(const QObject& receiver) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return false;
    if (const auto* widget = qobject_cast<const QWidget*>(&receiver)) {
        return widget->window() == modal;
    }
    if (const auto* window = qobject_cast<const QWindow*>(&receiver)) {
        return window == modal->windowHandle();
    }
    return false;
}

}  // namespace

UserInputBlock::UserInputBlock() {
    QCoreApplication::instance()->installEventFilter(this);
}

UserInputBlock::~UserInputBlock() {
    QCoreApplication::processEvents();
}

bool UserInputBlock::eventFilter(QObject* receiver, QEvent* event) {
    if (!isUserInput(*event) || isForModalDialog(*receiver)) return false;
    // An accepted close event would still close the window.
    event->ignore();
    return true;
}

}  // namespace chronoflip
