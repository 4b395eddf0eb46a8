#include "app/frmclock.h"
#include "practice/stepping.h"

void frmclock::advanceTime()
{
    const bool inOrder = orderMode == OrderMode::sequence;
    switch (precisionMode) {
    case PrecisionMode::hour:
        inOrder ? stepHourInOrder() : stepHourRandom();
        break;
    case PrecisionMode::half:
        inOrder ? stepHalfInOrder() : stepHalfRandom();
        break;
    case PrecisionMode::quarter:
        inOrder ? stepQuarterInOrder() : stepQuarterRandom();
        break;
    case PrecisionMode::fiveMin:
        inOrder ? step5minInOrder() : step5minRandom();
        break;
    case PrecisionMode::oneMin:
        inOrder ? step1minInOrder() : step1minRandom();
        break;
    }
}

// The hour hand first, then the minute hand with the readout, the phrases last: the phrase
// rounds the stored mark, and the hands must keep the unrounded one.
void frmclock::showStep(const ShownTime& time)
{
    shownDayHalf = time.half;
    shownHour = time.hour;
    drawHourHand();
    shownMinuteMark = time.mark;
    drawMinuteHand();
    composeTimePhrase();
}

void frmclock::stepInOrder(PrecisionMode mode)
{
    showStep(takeInOrderTime(mode));
}

void frmclock::stepRandom(PrecisionMode mode)
{
    showStep(drawRandomTime(mode));
}

// Told with the day's hours, the cycle goes round the dial twice, morning and afternoon.
ShownTime frmclock::takeInOrderTime(PrecisionMode mode)
{
    const PrecisionRow& row = precisionRow(mode);
    const bool day = hours != Hours::twelve;
    const ShownTime time =
        day ? inOrderTimeOfDay(row, sequenceStep) : inOrderTime(row, sequenceStep);
    sequenceStep = nextSequenceStep(row, sequenceStep, day ? 2 : 1);
    return time;
}

// Reseeded before every draw, as the generator always has been.
ShownTime frmclock::drawRandomTime(PrecisionMode mode)
{
    os.random->reseedFromTimer();
    const float r = os.random->next();
    return hours == Hours::twelve ? randomTime(precisionRow(mode), r)
                                  : randomTimeOfDay(precisionRow(mode), r);
}

// The time advanceTime would show next, as a value: setting the clock asks for it rather
// than putting it on the hands.
ShownTime frmclock::nextPracticeTime()
{
    return orderMode == OrderMode::sequence ? takeInOrderTime(precisionMode)
                                            : drawRandomTime(precisionMode);
}

// clang-format off
void frmclock::stepHourInOrder() { stepInOrder(PrecisionMode::hour); }
void frmclock::stepHalfInOrder() { stepInOrder(PrecisionMode::half); }
void frmclock::stepQuarterInOrder() { stepInOrder(PrecisionMode::quarter); }
void frmclock::step5minInOrder() { stepInOrder(PrecisionMode::fiveMin); }
void frmclock::step1minInOrder() { stepInOrder(PrecisionMode::oneMin); }
void frmclock::stepHourRandom() { stepRandom(PrecisionMode::hour); }
void frmclock::stepHalfRandom() { stepRandom(PrecisionMode::half); }
void frmclock::stepQuarterRandom() { stepRandom(PrecisionMode::quarter); }
void frmclock::step5minRandom() { stepRandom(PrecisionMode::fiveMin); }
void frmclock::step1minRandom() { stepRandom(PrecisionMode::oneMin); }
// clang-format on
