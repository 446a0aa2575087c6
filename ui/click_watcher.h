#pragma once

#include <functional>

class QWidget;

namespace chronoflip {

// Calls back when the widget, or a child that leaves the click to it, is clicked with
// the left mouse button.
void onClick(QWidget& widget, std::function<void()> callback);

}  // namespace chronoflip
