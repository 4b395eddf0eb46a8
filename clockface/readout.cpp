#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "clockface/dialmath.h"

void frmclock::showDigitalTime()
{
    setCaption(*lblDigital, digitalReadout(shownHour, shownMinuteMark));
}
