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
    }
}

// The hour hand first, then the minute hand with the readout, the phrases last: the phrase
// rounds the stored mark, and the hands must keep the unrounded one.
void frmclock::showStep(const ShownTime& time)
{
    shownHour = time.hour;
    drawHourHand();
    shownMinuteMark = time.mark;
    drawMinuteHand();
    composeTimePhrase();
}

void frmclock::stepInOrder(PrecisionMode mode)
{
    const PrecisionRow& row = precisionRow(mode);
    showStep(inOrderTime(row, sequenceStep));
    sequenceStep = nextSequenceStep(row, sequenceStep);
}

// Reseeded before every draw, as the generator always has been.
void frmclock::stepRandom(PrecisionMode mode)
{
    os.random->reseedFromTimer();
    showStep(randomTime(precisionRow(mode), os.random->next()));
}

// clang-format off
void frmclock::stepHourInOrder() { stepInOrder(PrecisionMode::hour); }
void frmclock::stepHalfInOrder() { stepInOrder(PrecisionMode::half); }
void frmclock::stepQuarterInOrder() { stepInOrder(PrecisionMode::quarter); }
void frmclock::step5minInOrder() { stepInOrder(PrecisionMode::fiveMin); }
void frmclock::stepHourRandom() { stepRandom(PrecisionMode::hour); }
void frmclock::stepHalfRandom() { stepRandom(PrecisionMode::half); }
void frmclock::stepQuarterRandom() { stepRandom(PrecisionMode::quarter); }
void frmclock::step5minRandom() { stepRandom(PrecisionMode::fiveMin); }
// clang-format on
