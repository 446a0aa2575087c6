#include "settings/window_placement.h"

namespace chronoflip::settings {

namespace {

// The Status value: how the window was shown when it was closed.
enum StatusCode : int {
    kNothingStored = 0,
    kNormal = 1,
    kMinimisedOrInactive = 2,
    kMaximised = 3,
};

const QString kStatus = QStringLiteral("Status");
const QString kTop = QStringLiteral("Top");
const QString kLeft = QStringLiteral("Left");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

}  // namespace

WindowPlacement::WindowPlacement(QString section, SettingsOpener open,
                                 std::vector<KeptValue> keptValues)
    : section_(std::move(section)), open_(std::move(open)), keptValues_(std::move(keptValues)) {}

int WindowPlacement::read(const QString& name, int defaultValue) {
    return store_->readInt(section_, name, defaultValue);
}

void WindowPlacement::write(const QString& name, int value) {
    store_->writeInt(section_, name, value);
}

void WindowPlacement::restore(PlacementTarget& window) {
    store_.reset();
    store_ = std::make_unique<SettingsStore>(open_);
    const int status = read(kStatus, kNothingStored);
    if (status == kNothingStored) return;
    // Each value is applied before the next is read: a size read later may default to what
    // an earlier move made of the window.
    window.setTop(read(kTop, window.top()));
    window.setLeft(read(kLeft, window.left()));
    window.setWidth(read(kWidth, window.width()));
    window.setHeight(read(kHeight, window.height()));
    for (const KeptValue& kept : keptValues_) kept.apply(read(kept.name, kept.defaultValue));
    switch (status) {
        case kNormal:
            window.setNormal();
            break;
        case kMinimisedOrInactive:
            window.postMinimise();
            break;
        case kMaximised:
            window.setMaximised();
            break;
        default:
            break;
    }
}

void WindowPlacement::save(PlacementTarget& window) {
    // A store that could not be opened at show was reported then; the window must still
    // be able to close.
    if (!store_) return;
    int status = kNormal;
    switch (window.state()) {
        case WindowState::Normal:
            write(kTop, window.top());
            write(kLeft, window.left());
            write(kWidth, window.width());
            write(kHeight, window.height());
            for (const KeptValue& kept : keptValues_) write(kept.name, kept.current());
            break;
        case WindowState::Minimised:
            status = kMinimisedOrInactive;
            break;
        case WindowState::Maximised:
            status = kMaximised;
            break;
    }
    if (!window.isActive()) status = kMinimisedOrInactive;
    write(kStatus, status);
    store_.reset();
}

}  // namespace chronoflip::settings
