#pragma once

#include <QObject>

namespace chronoflip {

// The windows take no input while a handler such as a processing run, a report reset or Open's
// preview works: what the user clicks, types, closes or drags onto a window meanwhile is dropped,
// not kept to be carried out once the handler has returned. The handler may still let the windows
// paint (QCoreApplication::processEvents). A modal dialog it opens gets its input as usual; a
// window it closes itself it hides, as a close event would be dropped.
class UserInputBlock final : public QObject {
  public:
    UserInputBlock();
    // Drops what came in up to the end of the handler.
    ~UserInputBlock() override;

    UserInputBlock(const UserInputBlock&) = delete;
    UserInputBlock& operator=(const UserInputBlock&) = delete;

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
};

}  // namespace chronoflip
