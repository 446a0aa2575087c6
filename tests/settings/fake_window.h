#pragma once

#include <string>

#include "settings/placement_target.h"

namespace chronoflip::testing {

// A window that records what the placement scheme did to it.
struct FakeWindow final : settings::PlacementTarget {
    int topEdge = 276;
    int leftEdge = 265;
    int outerWidth = 794;
    int outerHeight = 622;
    settings::WindowState shownAs = settings::WindowState::Normal;
    bool active = true;
    std::string stateChange;  // "normal", "minimise" or "maximise" once one was asked for

    int top() const override { return topEdge; }
    int left() const override { return leftEdge; }
    int width() const override { return outerWidth; }
    int height() const override { return outerHeight; }
    void setTop(int value) override { topEdge = value; }
    void setLeft(int value) override { leftEdge = value; }
    void setWidth(int value) override { outerWidth = value; }
    void setHeight(int value) override { outerHeight = value; }
    settings::WindowState state() const override { return shownAs; }
    bool isActive() const override { return active; }
    void setNormal() override { stateChange = "normal"; }
    void postMinimise() override { stateChange = "minimise"; }
    void setMaximised() override { stateChange = "maximise"; }
};

}  // namespace chronoflip::testing
