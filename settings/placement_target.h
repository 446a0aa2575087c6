#pragma once

namespace chronoflip::settings {

enum class WindowState { Normal, Minimised, Maximised };

// What the placement scheme needs of a window. Positions are screen pixels of the outer
// edges; sizes are outer sizes. Each setter applies at once.
class PlacementTarget {
  public:
    virtual ~PlacementTarget() = default;

    virtual int top() const = 0;
    virtual int left() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setTop(int top) = 0;
    virtual void setLeft(int left) = 0;
    virtual void setWidth(int width) = 0;
    virtual void setHeight(int height) = 0;

    virtual WindowState state() const = 0;
    virtual bool isActive() const = 0;
    virtual void setNormal() = 0;
    // Minimises the window once it has been shown, not before.
    virtual void postMinimise() = 0;
    virtual void setMaximised() = 0;
};

}  // namespace chronoflip::settings
