#pragma once

#include "app/frmclock.h"
#include "tests/support/fakes.h"

#include <memory>

// A window on fakes: the clock reads hour:minute, the event pump only counts.
struct ClockFixture {
    explicit ClockFixture(int hour = 14, int minute = 7);
    // Runs the whole start-up, pause included.
    frmclock& load();
    // The window position (logical pixels) of a point given in panel twips.
    QPoint at(float xTwips, float yTwips) const;
    // The window position of the middle of a control's box.
    QPoint middleOf(const Control* control) const;

    FakePlatform fakes;
    std::unique_ptr<frmclock> window;
};
