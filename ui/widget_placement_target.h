#pragma once

#include "settings/placement_target.h"

class QRect;
class QWidget;

namespace chronoflip {

// How a window goes when the user minimises it.
enum class MinimiseScope {
    // The program as a whole goes to the task bar; the window itself stays in normal (or
    // maximised) state and stops being the active window.
    Program,
    // The window alone is minimised.
    Window,
};

// How a window is shown once its placement has been applied.
enum class ShownState { AsItIs, Minimised, Maximised };

// Any top-level widget as the window placement scheme sees it.
class WidgetPlacementTarget final : public settings::PlacementTarget {
  public:
    WidgetPlacementTarget(QWidget& widget, MinimiseScope scope) : widget_(widget), scope_(scope) {}

    int top() const override;
    int left() const override;
    int width() const override;
    int height() const override;
    void setTop(int top) override;
    void setLeft(int left) override;
    void setWidth(int width) override;
    void setHeight(int height) override;

    settings::WindowState state() const override;
    bool isActive() const override;
    void setNormal() override;
    void postMinimise() override;
    void setMaximised() override;

  private:
    // Asks again, once the window is on the screen, for the outer place and size it has now.
    void keepUntilOnScreen();
    void showPlacedAs(ShownState state);

    QWidget& widget_;
    MinimiseScope scope_;
};

// Gives the window its designed outer place and size, as a stored placement would.
void placeOuter(QWidget& window, MinimiseScope scope, const QRect& outer);

// Moves the window just far enough that it lies on a screen, made no larger than that
// screen: a place stored on a screen since removed, or a designed place below the bottom
// of a small screen, must not leave the window out of reach.
void keepOnScreen(QWidget& window, MinimiseScope scope);

}  // namespace chronoflip
