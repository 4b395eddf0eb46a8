#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "app/timing.h"
#include "clockface/dialmath.h"

namespace
{
constexpr long kPausePasses = 1000000;
}

void frmclock::Form_Load()
{
    VoiceCreation made = os.makeVoice(QStringLiteral("SAPI.spVoice"));
    voice = std::move(made.voice);
    voiceFailure = made.failure;

    // The window covers the screen with the panel centred; windowed, it is an ordinary framed
    // window of the panel's own size.
    if (windowed)
        placeInWindow();
    else
        coverScreen();

    setCaption(*lblTop, QString());
    clickState = QStringLiteral("get");
    play4Tics();
    prepareTick();
    orderMode = QStringLiteral("random");
    precisionMode = QStringLiteral("quarter");

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

    // Two readings, minute first, as the announcement also does.
    shownMinuteMark = os.clock->minute();
    shownHour = os.clock->hour();
    shownHour = shownHour + shownMinuteMark / 60;
    shownMinuteMark = (shownMinuteMark / 60) * 12;
    drawHourHand();
    drawMinuteHand();
    sequenceStep = 1;

    os.pump->processPendingEvents();
    if (unloaded)
        return;
    if (windowed) {
        show();
    } else {
        showFullScreen();
        followScreen();
    }
    if (!voiceFailure.isEmpty() && os.notice)
        os.notice(voiceFailure);

    logMilestone("shown");
    for (float counter = 1; counter <= kPausePasses; counter += 1) {
        os.pump->processPendingEvents();
        if (framesPainted() >= 1 && !firstFrameLogged) {
            firstFrameLogged = true;
            logMilestone("first-frame");
        }
        if (unloaded)
            return;
    }
    logMilestone("pause-end");
    sayCurrentTime();
    speakText(QStringLiteral("click the clock to begin"));
    update();
    logMilestone("announced");
}

void frmclock::centerDialShapes()
{
    Shape1->Left = dialCenterX - Shape1->Width / 2;
    Shape1->Top = dialCenterY - Shape1->Height / 2;
    shapeClock->Left = dialCenterX - shapeClock->Width / 2;
    shapeClock->Top = dialCenterY - shapeClock->Height / 2;
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
