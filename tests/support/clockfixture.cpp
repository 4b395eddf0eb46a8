#include "tests/support/clockfixture.h"

ClockFixture::ClockFixture(int hour, int minute)
{
    fakes.clock.set(hour, minute);
    window = std::make_unique<frmclock>(fakes.platform);
}

frmclock& ClockFixture::load()
{
    window->Form_Load();
    return *window;
}

QPoint ClockFixture::at(float xTwips, float yTwips) const
{
    return window->windowPosOf(xTwips, yTwips).toPoint();
}

QPoint ClockFixture::middleOf(const Control* c) const
{
    return at(c->Left + c->Width / 2, c->Top + c->Height / 2);
}
