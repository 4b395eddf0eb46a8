#include "app/frmclock.h"

void frmclock::lblOrder_Click()
{
    shpRandom->Visible = false;
    shpOrder->Visible = true;
    orderMode = QStringLiteral("sequence");
    speakText(QStringLiteral("in order"));
    refreshClock();
}

void frmclock::lblRandom_Click()
{
    shpRandom->Visible = true;
    shpOrder->Visible = false;
    orderMode = QStringLiteral("random");
    speakText(QStringLiteral("random order"));
}

void frmclock::choosePrecision(Control* marker, const QString& mode, const QString& confirmation)
{
    clearPrecisionMarkers();
    marker->Visible = true;
    precisionMode = mode;
    speakText(confirmation);
}

void frmclock::lblHour_Click()
{
    choosePrecision(shpHour, QStringLiteral("hour"), QStringLiteral("hourly"));
}

void frmclock::lblHalf_Click()
{
    choosePrecision(shpHalf, QStringLiteral("half"), QStringLiteral("half hour"));
}

void frmclock::lblQuarter_Click()
{
    choosePrecision(shpQuarter, QStringLiteral("quarter"), QStringLiteral("quarter hour"));
}

void frmclock::lbl5min_Click()
{
    choosePrecision(shp5min, QStringLiteral("5min"), QStringLiteral(" 5 minute precision"));
}

void frmclock::refreshClock()
{
    sequenceStep = 1;
    shownHour = 0;
    shownMinuteMark = 0;
    drawHourHand();
    drawMinuteHand();
    composeTimePhrase();
}

void frmclock::clearPrecisionMarkers()
{
    shpHour->Visible = false;
    shpHalf->Visible = false;
    shpQuarter->Visible = false;
    shp5min->Visible = false;
    refreshClock();
}
