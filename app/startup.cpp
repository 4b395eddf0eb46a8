#include "app/form/picturefile.h"
#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "app/timing.h"
#include "clockface/dialmath.h"
#include "speech/lang/phrasing.h"

namespace
{
constexpr long kPausePasses = 1000000;
}

void frmclock::Form_Load()
{
    takeGrownUpsChoices();
    createVoice();
    placePanel();
    setCaption(*lblTop, QString());
    clickState = ClickState::get;
    play4Tics();
    prepareTick();
    orderMode = OrderMode::random;
    precisionMode = PrecisionMode::quarter;
    fixDialGeometry();
    // One reading for the hands, the readout and the announcement: read again after the
    // pause, a start just before a new minute would show one time and say another.
    const TimeOfDay now = os.clock->timeOfDay();
    putTimeOfDayOnClock(now);
    sequenceStep = 1;
    if (!showAfterPendingEvents() || !pauseAnsweringClicks())
        return;
    sayCurrentTime(now);
    speakText(saying(phrasing(), Saying::Prompt));
    update();
    logMilestone("announced");
}

void frmclock::createVoice()
{
    VoiceCreation made = os.makeVoice(QStringLiteral("SAPI.spVoice"), languageCode(language));
    voice = std::move(made.voice);
    voiceFailure = made.failure;
}

// The window covers the screen with the panel centred; windowed, it is an ordinary framed
// window of the panel's own size.
void frmclock::placePanel()
{
    if (windowed)
        placeInWindow();
    else
        coverScreen();
}

void frmclock::fixDialGeometry()
{
    const DialGeometry dial = dialGeometryFromShape(shapeClock->Left, shapeClock->Top,
                                                    shapeClock->Width, shapeClock->Height);
    dialCenterX = dial.centerX;
    dialCenterY = dial.centerY;
    centerDialShapes();
    dialRadius = dial.radius;
    minuteHandLength = dial.minuteHandLength;
    hourHandLength = dial.hourHandLength;
    Line1->X1 = dialCenterX;
    Line1->Y1 = dialCenterY;
    Line2->X1 = dialCenterX;
    Line2->Y1 = dialCenterY;
    layoutDial();
    placeMinuteMarks();
    placeDayPicture();
}

void frmclock::centerDialShapes()
{
    Shape1->Left = dialCenterX - Shape1->Width / 2;
    Shape1->Top = dialCenterY - Shape1->Height / 2;
    shapeClock->Left = dialCenterX - shapeClock->Width / 2;
    shapeClock->Top = dialCenterY - shapeClock->Height / 2;
}

// The hands stand between the marks at the real time (14:07 puts the minute hand at 1.4);
// the hour keeps its 24-hour value until the announcement.
void frmclock::putTimeOfDayOnClock(const TimeOfDay& now)
{
    shownHour = now.hour + now.minute / 60.0;
    shownMinuteMark = (now.minute / 60.0) * 12;
    shownDayHalf = now.hour >= 12 ? DayHalf::pm : DayHalf::am;
    drawHourHand();
    drawMinuteHand();
}

// False when the window was closed while the pending events were handled.
bool frmclock::showAfterPendingEvents()
{
    os.pump->processPendingEvents();
    if (unloaded)
        return false;
    if (windowed) {
        show();
    } else {
        showFullScreen();
        followScreen();
    }
    if (!voiceFailure.isEmpty() && os.notice)
        os.notice(voiceFailure);
    logMilestone("shown");
    return true;
}

// Counted in passes, not in time; the window answers clicks throughout. False when it was
// closed meanwhile.
bool frmclock::pauseAnsweringClicks()
{
    for (float counter = 1; counter <= kPausePasses; counter += 1) {
        os.pump->processPendingEvents();
        if (framesPainted() >= 1 && !firstFrameSeen) {
            logMilestone("first-frame");
            logMappedLibraries("first-frame");
            firstFrameOut();
        }
        if (unloaded)
            return false;
    }
    logMilestone("pause-end");
    logMappedLibraries("pause-end");
    firstFrameOut();
    return true;
}

void frmclock::firstFrameOut()
{
    if (std::exchange(firstFrameSeen, true))
        return;
    // The icon is for the taskbar and the window switcher, which show it once the window is
    // up; read now, it costs the first frame nothing.
    setWindowIcon(iconFromPictureFile(QStringLiteral(":/pictures/icon.png")));
    if (os.afterFirstFrame)
        os.afterFirstFrame();
}

void frmclock::Picture1_Click()
{
    logMilestone("closing");
    unloaded = true;
    if (voice)
        voice->Speak(QString(), Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
    close();
}

void frmclock::closeEvent(QCloseEvent* event)
{
    // Ctrl+Q, Alt+F4 and the window manager close the program the way the cross does.
    if (!unloaded)
        Picture1_Click();
    FormView::closeEvent(event);
}

void frmclock::Form_Click() {}
