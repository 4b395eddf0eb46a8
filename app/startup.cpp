#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "app/timing.h"
#include "clockface/dialmath.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace
{
constexpr long kPausePasses = 1000000;
}

void frmclock::Form_Load()
{
    VoiceCreation made = os.makeVoice(QStringLiteral("SAPI.spVoice"));
    voice = std::move(made.voice);
    voiceFailure = made.failure;

    // The window is placed over the whole screen and the panel centred in it, unscaled.
    // Windowed, it is an ordinary framed window of the panel's own size.
    const QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->geometry() : QRect(0, 0, 790, 747);
    const float panelWidthPx = panel().Width / 15.0f, panelHeightPx = panel().Height / 15.0f;
    if (windowed) {
        setWindowFlag(Qt::FramelessWindowHint, false);
        const QPoint centre = area.center();
        area.setSize(QSize(qCeil(panelWidthPx), qCeil(panelHeightPx)));
        area.moveCenter(centre);
        setFixedSize(area.size());
    }
    setGeometry(area);
    panel().Left = static_cast<float>(area.width() / 2.0 - panelWidthPx / 2.0);
    panel().Top = static_cast<float>(area.height() / 2.0 - panelHeightPx / 2.0);

    setCaption(*lblTop, QString());
    clickState = QStringLiteral("get");
    play4Tics();
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
    if (windowed)
        show();
    else
        showFullScreen();
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
    unloaded = true;
    if (voice)
        voice->Speak(QString(), Voice::SVSFlagsAsync | Voice::SVSFPurgeBeforeSpeak);
    close();
}

// Closed from outside, by the window manager's close button or Alt+F4: the same as the
// red cross, so a start-up still pausing stops there and nothing more is said.
void frmclock::closeEvent(QCloseEvent* event)
{
    if (!unloaded)
        Picture1_Click();
    FormView::closeEvent(event);
}

void frmclock::Form_Click() {}
