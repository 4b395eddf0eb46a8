#include "app/frmclock.h"
#include "speech/lang/phrasing.h"

void frmclock::lblOrder_Click()
{
    shpRandom->Visible = false;
    shpOrder->Visible = true;
    orderMode = OrderMode::sequence;
    speakText(saying(phrasing(), Saying::InOrder));
    refreshClock();
}

void frmclock::lblRandom_Click()
{
    shpRandom->Visible = true;
    shpOrder->Visible = false;
    orderMode = OrderMode::random;
    speakText(saying(phrasing(), Saying::RandomOrder));
}

void frmclock::choosePrecision(Control* marker, PrecisionMode mode, const QString& confirmation)
{
    clearPrecisionMarkers();
    marker->Visible = true;
    precisionMode = mode;
    showMinuteMarks();
    speakText(confirmation);
}

void frmclock::lblHour_Click()
{
    choosePrecision(shpHour, PrecisionMode::hour, saying(phrasing(), Saying::Hourly));
}

void frmclock::lblHalf_Click()
{
    choosePrecision(shpHalf, PrecisionMode::half, saying(phrasing(), Saying::HalfHour));
}

void frmclock::lblQuarter_Click()
{
    choosePrecision(shpQuarter, PrecisionMode::quarter, saying(phrasing(), Saying::QuarterHour));
}

void frmclock::lbl5min_Click()
{
    choosePrecision(shp5min, PrecisionMode::fiveMin, saying(phrasing(), Saying::FiveMinutes));
}

void frmclock::lbl1min_Click()
{
    choosePrecision(shp1min, PrecisionMode::oneMin, saying(phrasing(), Saying::OneMinute));
}

void frmclock::refreshClock()
{
    sequenceStep = 1;
    // Twelve where the day's cycle begins: midnight.
    shownDayHalf = DayHalf::am;
    shownHour = 0;
    shownMinuteMark = 0;
    drawHourHand();
    drawMinuteHand();
    composeTimePhrase();
    // The hands are back at twelve: a time the child was setting them to is over.
    if (practiceMode == PracticeMode::set)
        endSetTarget();
}

// A new precision always starts the practice again from twelve.
void frmclock::clearPrecisionMarkers()
{
    hidePrecisionMarkers();
    refreshClock();
}

void frmclock::hidePrecisionMarkers()
{
    shpHour->Visible = false;
    shpHalf->Visible = false;
    shpQuarter->Visible = false;
    shp5min->Visible = false;
    shp1min->Visible = false;
}
