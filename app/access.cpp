// What keyboards and screen readers are offered: the clock, the nine options, the grown-ups'
// settings and the close cross, in the order the keys go through them.
#include "app/frmclock.h"

void frmclock::describeForScreenReaders()
{
    lblClickMe->accessibleRole = AccessibleRole::Button;
    describeClock();
    lblClickMe->focusFrame = shapeClock;
    Picture1->accessibleRole = AccessibleRole::Button;
    Picture1->accessibleName = tr("Close");

    struct Option {
        Control *area, *marker, *caption, *button;
    };
    const Option options[] = {{lblRandom, shpRandom, lblRandom1, Image2},
                              {lblOrder, shpOrder, lblOrder1, Image3},
                              {lblHour, shpHour, lblHour1, Image1},
                              {lblHalf, shpHalf, lblHalf1, Image4},
                              {lblQuarter, shpQuarter, lblQuarter1, Image5},
                              {lbl5min, shp5min, lbl5min1, Image6},
                              {lbl1min, shp1min, lbl1min1, Image9},
                              {lblRead, shpRead, lblRead1, Image7},
                              {lblSet, shpSet, lblSet1, Image8}};
    panel().tabOrder = {lblClickMe};
    for (const Option& option : options) {
        option.area->accessibleRole = AccessibleRole::RadioButton;
        option.area->accessibleName = option.caption->Caption;
        option.area->checkedBy = option.marker;
        option.area->focusFrame = option.button;
        panel().tabOrder.push_back(option.area);
    }
    // Before the cross, which stays where Left from the clock goes round to.
    imgSettings->accessibleRole = AccessibleRole::Button;
    imgSettings->accessibleName = tr("Settings for grown-ups");
    panel().tabOrder.push_back(imgSettings);
    panel().tabOrder.push_back(Picture1);
}

// The clock's name says what to do with it, which depends on the practice.
void frmclock::describeClock()
{
    lblClickMe->accessibleName =
        practiceMode == PracticeMode::set
            ? tr("Clock: click to hear a time, set the hands with the arrow keys and Page Up "
                 "and Page Down, click again to check, right click to hear it in words")
            : tr("Clock: click for a new time, click again to hear it, right click to hear it "
                 "in words");
}

QString frmclock::accessibleDescription(const Control& control) const
{
    if (&control != lblClickMe)
        return FormView::accessibleDescription(control);
    // The readout as it is written, the half of the day beside it included.
    const QString readout =
        (lblDigital->Caption + QLatin1Char(' ') + lblDigital->smallText).trimmed();
    if (practiceMode == PracticeMode::set) {
        // The time asked for is the question, not its answer: it may be read out, as the
        // readout shows it where the hours of the day are told.
        const QString hands = clockText(setHands);
        const QString asked = hours == Hours::twelve ? clockText(setTarget.minutes) : readout;
        if (setTarget.pending)
            return tr("Show %1; the hands show %2.").arg(asked, hands);
        return tr("The hands show %1.").arg(hands);
    }
    // While the child is asked, the readout is hidden and the answer must not be read out.
    if (clickState != ClickState::get)
        return tr("Say the time out loud, then click the clock again to check.");
    if (lblDigital->Visible) {
        QString shows = tr("The clock shows %1.").arg(readout);
        // A readout ending in an abbreviation's full stop ("p. m.") ends the sentence too.
        if (readout.endsWith(QLatin1Char('.')) && shows.endsWith(QLatin1String("..")))
            shows.chop(1);
        return shows;
    }
    return {};
}

// In Set mode the clock is also a slider of the hands' time in minutes from twelve, one step
// a unit of the precision, so every precision reads the same scale.
std::optional<FormView::Value> frmclock::accessibleValue(const Control& control) const
{
    if (&control != lblClickMe || practiceMode != PracticeMode::set)
        return std::nullopt;
    return Value{double(setHands), 0, kMinutesRound - 1,
                 double(precisionRow(precisionMode).handUnit), clockText(setHands)};
}

void frmclock::setAccessibleValue(Control& control, double value)
{
    if (&control != lblClickMe || practiceMode != PracticeMode::set || isGliding())
        return;
    if (const std::optional<int> minutes =
            minutesForValue(value, precisionRow(precisionMode).handUnit))
        putHandsAt(*minutes);
}
