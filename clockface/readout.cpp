#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"

void frmclock::showDigitalTime()
{
    const QString caption = digitalReadout(shownHour, shownMinuteMark);
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    digitalHourText = caption.left(colon);
    digitalMinuteText = caption.mid(colon + 1);
    setCaption(*lblDigital, caption);
}
