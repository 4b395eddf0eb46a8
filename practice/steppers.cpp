#include "app/frmclock.h"
#include "practice/stepping.h"

void frmclock::advanceTime()
{
    using Stepper = void (frmclock::*)();
    struct Row {
        const char* precision;
        Stepper inOrder;
        Stepper random;
    };
    static const Row rows[] = {
        {"hour", &frmclock::stepHourInOrder, &frmclock::stepHourRandom},
        {"half", &frmclock::stepHalfInOrder, &frmclock::stepHalfRandom},
        {"quarter", &frmclock::stepQuarterInOrder, &frmclock::stepQuarterRandom},
        {"5min", &frmclock::step5minInOrder, &frmclock::step5minRandom},
    };
    for (const Row& row : rows) {
        if (precisionMode != QLatin1String(row.precision))
            continue;
        if (orderMode == QLatin1String("sequence"))
            (this->*row.inOrder)();
        else if (orderMode == QLatin1String("random"))
            (this->*row.random)();
        return;
    }
}

void frmclock::stepInOrder(int perHour, int cycleLength)
{
    shownHour = inOrderHour(sequenceStep, perHour);
    drawHourHand();
    shownMinuteMark = minuteMarkFor(shownHour);
    drawMinuteHand();
    composeTimePhrase();
    sequenceStep = nextSequenceStep(sequenceStep, cycleLength);
}

void frmclock::stepHourInOrder()
{
    stepInOrder(1, 12);
}
void frmclock::stepHalfInOrder()
{
    stepInOrder(2, 24);
}
void frmclock::stepQuarterInOrder()
{
    stepInOrder(4, 48);
}
void frmclock::step5minInOrder()
{
    stepInOrder(12, 144);
}

void frmclock::stepHourRandom()
{
    os.random->reseedFromTimer();
    const float r = os.random->next();
    shownHour = randomWholeHour(r);
    drawHourHand();
    shownMinuteMark = 0;
    drawMinuteHand();
    composeTimePhrase();
}

void frmclock::stepRandomSlot(int perHour, int cycleLength, bool roundMark)
{
    os.random->reseedFromTimer();
    const float r = os.random->next();
    shownHour = randomSlotHour(r, Precision{perHour, cycleLength});
    drawHourHand();
    shownMinuteMark = minuteMarkFor(shownHour);
    if (roundMark)
        shownMinuteMark = roundHalfUp(shownMinuteMark);
    drawMinuteHand();
    composeTimePhrase();
}

void frmclock::stepHalfRandom()
{
    stepRandomSlot(2, 24, false);
}
void frmclock::stepQuarterRandom()
{
    stepRandomSlot(4, 48, false);
}
void frmclock::step5minRandom()
{
    stepRandomSlot(12, 144, true);
}
