#pragma once

#include "app/form/formview.h"
#include "app/screentexts.h"
#include "app/settings.h"
#include "clockface/handdrag.h"
#include "platform/platform.h"
#include "practice/modes.h"
#include "practice/setting.h"
#include "speech/lang/phrasing.h"
#include "speech/language/language.h"

#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QScreen;
class SettingsDialog;
struct ShownTime;

// The program's one window. Every operation of the program is a method of it and all
// state lives in its members; each subsystem's methods live in the folder named in its
// banner below.
class frmclock : public FormView
{
    Q_OBJECT
public:
    explicit frmclock(const Platform& platform, QWidget* parent = nullptr);
    ~frmclock() override;

    // ===================================================================================
    // Main window: controls, start-up and window clicks            (app/)
    //   frmclock.cpp, design.cpp: controls and their design values; startup.cpp: start-up
    //   and close; fullscreen.cpp: covering the screen; access.cpp: keyboard and screen
    //   readers
    // ===================================================================================
    void Form_Load();
    void centerDialShapes();
    void Picture1_Click();
    void Form_Click();
    bool isUnloaded() const { return unloaded; }
    void coverScreen();
    void followScreen();
    QString accessibleDescription(const Control& control) const override;
    std::optional<Value> accessibleValue(const Control& control) const override;
    void describeClock();
    void placeInWindow();
    // An ordinary window of the panel's size instead of the whole screen; set before Form_Load.
    bool windowed = false;
    // The language the window speaks and asks a voice for; set before Form_Load. Its screen
    // texts come from the translation installed before the window was made.
    Language language = Language::EnglishUS;

    // -----------------------------------------------------------------------------------
    // The grown-ups' settings                                       (app/)
    //   grownups.cpp: the gear, the settings window and each choice taking effect;
    //   settings.cpp: the choices of the run and their file; settingsdialog.cpp
    // -----------------------------------------------------------------------------------
    void watchForSettings();
    void takeGrownUpsChoices();
    void openSettings();
    void grownUpChose(Choice choice, int index);
    void useLanguage(Language chosen);
    void useHours(Hours chosen);
    void imgSettings_MouseDown(int Button);
    void imgSettings_MouseMove(float X, float Y);
    void imgSettings_MouseUp();
    void imgSettings_DblClick();
    // The grown-ups' choices of this run; set before Form_Load.
    Settings settings;
    // The translation installed for `language`, if the window is to change it.
    std::unique_ptr<ScreenTexts> screenTexts;
    Control* imgSettings;

    Control *lblTop1, *Picture1, *lblDigital, *Shape2, *lblClickTheGreen, *Label1;
    Control *shapeClock, *Shape1, *Line1, *Line2, *lblTop, *lblClickMe;
    Control *n1, *n2, *n3, *n4, *n5, *n6, *n7, *n8, *n9, *n10, *n11, *n12;
    Control *Label4, *Image2, *Image3, *lblRandom1, *lblOrder1, *shpRandom, *shpOrder;
    Control *lblRandom, *lblOrder, *Label10, *Image1, *Image4, *Image5, *Image6;
    Control *lblHour1, *lblHalf1, *lblQuarter1, *lbl5min1;
    Control *shpHour, *shpHalf, *shpQuarter, *shp5min;
    Control *lblHour, *lblHalf, *lblQuarter, *lbl5min, *Label3, *Label2;
    Control *Label5, *Image7, *Image8, *lblRead1, *lblSet1, *shpRead, *shpSet, *lblRead, *lblSet;
    Control *Image9, *lbl1min1, *shp1min, *lbl1min;
    std::array<Control*, 60> lnMinute{}; // the minute marks, lnMinute[0] at the 12
    Control* imgDayPart;                 // the part of the day, in a window of the dial

    // ===================================================================================
    // Clock face: numerals, hands and digital readout              (clockface/)
    //   numerals.cpp: layoutDial; hands.cpp: the hands; readout.cpp: showDigitalTime;
    //   minutemarks.cpp: the minute marks; daypicture.cpp: the part of the day
    // ===================================================================================
    void layoutDial();
    void showNumerals();
    void placeMinuteMarks();
    void showMinuteMarks();
    void drawHourHand();
    void drawMinuteHand(); // moveMinuteHand, then showDigitalTime
    void moveMinuteHand();
    void showDigitalTime();
    void showReadout(double hour, double mark, DayHalf half);
    void rewriteReadout();       // the same time, its half of the day in the language now chosen
    QString writtenHalf() const; // of readoutTime, as the readout writes it
    void placeDayPicture();
    void showDayPicture(int hour24);

    float dialCenterX = 0, dialCenterY = 0, dialRadius = 0;
    double minuteHandLength = 0, hourHandLength = 0;
    Numerals numerals = Numerals::arabic;
    struct {
        int hour24 = 0, minute = 0;
    } readoutTime; // the time of day the readout shows, where it writes the half of the day

    // ===================================================================================
    // Spoken time: speech, phrases and the announcement             (speech/)
    //   speaking.cpp: speech; composetimephrase.cpp; currenttime.cpp
    // ===================================================================================
    void speakText(QString text);
    // Says text once delayMs have passed, unless something else is said first.
    void speakTextAfter(QString text, int delayMs);
    void speakWaitingText();
    // How long the waiting text was to wait, in milliseconds; -1 when none waits.
    int voiceWaitMs() const { return voiceWait.isActive() ? voiceWait.interval() : -1; }
    void speakTimePhrase();
    void speakAltPhrase();
    void sayAltPhrase();
    void composeTimePhrase();
    void rephraseShownTime();
    void sayCurrentTime(const TimeOfDay& now);
    // The words of every spoken text, in the window's language.
    const Phrasing& phrasing() const;

    std::unique_ptr<Voice> voice;
    QString timePhrase, altTimePhrase;
    QString waitingText;
    QTimer voiceWait;

    // ===================================================================================
    // Practice: state, time stepping, click cycle, ticks and options (practice/)
    //   steppers.cpp: advanceTime and the steppers, over the precisions of practicetable.h
    //   and the arithmetic of stepping.h; clickcycle.cpp; ticks.cpp: the tick sounds;
    //   options.cpp; modes.h: the settings
    // ===================================================================================
    void advanceTime();
    void stepHourInOrder();
    void stepHalfInOrder();
    void stepQuarterInOrder();
    void step5minInOrder();
    void step1minInOrder();
    void stepHourRandom();
    void stepHalfRandom();
    void stepQuarterRandom();
    void step5minRandom();
    void step1minRandom();
    void lblClickMe_MouseUp(int Button, int Shift, float X, float Y);
    QString promptText() const;
    void nextTime();
    void play1Tic();
    void play4Tics();
    void prepareTick();
    void lblOrder_Click();
    void lblRandom_Click();
    void lblHour_Click();
    void lblHalf_Click();
    void lblQuarter_Click();
    void lbl5min_Click();
    void lbl1min_Click();
    void refreshClock();
    void clearPrecisionMarkers(); // hidePrecisionMarkers, then refreshClock
    void hidePrecisionMarkers();
    ShownTime nextPracticeTime();

    double shownHour = 0;
    double shownMinuteMark = 0;
    DayHalf shownDayHalf = DayHalf::am; // read where the hours of the day are told
    int sequenceStep = 1;
    PrecisionMode precisionMode = PrecisionMode::quarter;
    OrderMode orderMode = OrderMode::random;
    ClickState clickState = ClickState::get;
    // How the hours are told, the grown-ups' choice, taken from the settings at start-up.
    Hours hours = Hours::twelve;

    // -----------------------------------------------------------------------------------
    // Read or Set, and setting the clock                          (practice/)
    //   practicemode.cpp: the two options; setcycle.cpp: asking and judging; sethands.cpp:
    //   the child's hands by mouse, touch and keys; glide.cpp: the hands shown the way;
    //   reward.cpp: a right answer celebrated; touchhold.cpp: a finger's right click;
    //   setsounds.cpp; setting.h and clockface/handdrag.h: the rules
    // -----------------------------------------------------------------------------------
    void lblRead_Click();
    void lblSet_Click();
    void showInstructions();
    void lblClickMe_MouseDown(int Button, int Shift, float X, float Y);
    void lblClickMe_MouseMove(int Button, int Shift, float X, float Y);
    void lblClickMe_DblClick();
    bool lblClickMe_KeyDown(int KeyCode, int Shift);
    void setClockClicked(int Button);
    void askSetTarget();
    void checkHands();
    void sayHandsInWords();
    void endSetTarget();
    void putHandsAt(int minutes);
    void showHands(const HandPositions& hands);
    void glideHandsTo(int minutes);
    void glideStep();
    void finishGlide();
    bool isGliding() const { return glideTimer.isActive(); }
    void playSoftTic();
    void playChime();
    void prepareSetSounds();
    void celebrate(const QString& praise);
    void endReward();
    bool isRewardShown() const { return rewardShown; }
    void watchTouchHold(float X, float Y);
    void touchMoved(float X, float Y);
    void touchHeld();
    bool endTouchHold(int Button);
    bool isWaitingForTouchHold() const { return touchHoldTimer.isActive(); }

    PracticeMode practiceMode = PracticeMode::read;
    int setHands = 0; // the child's hands, in minutes from twelve
    SetTarget setTarget;

protected:
    void controlClick(Control& control) override;
    void controlMouseUp(Control& control, int button, int shift, float x, float y) override;
    void controlMouseDown(Control& control, int button, int shift, float x, float y) override;
    void controlMouseMove(Control& control, int button, int shift, float x, float y) override;
    void controlDblClick(Control& control) override;
    bool controlKeyDown(Control& control, int key, int shift) override;
    bool controlPressed(Control& control, int button) override;
    void setAccessibleValue(Control& control, double value) override;
    void surfaceClick() override { Form_Click(); }
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static void createControls(Panel& p);
    void showTitle();
    void retranslate(const Panel& before);
    void bindControls();
    void describeForScreenReaders();
    void createVoice();
    void placePanel();
    void fixDialGeometry();
    void putTimeOfDayOnClock(const TimeOfDay& now);
    bool showAfterPendingEvents();
    bool pauseAnsweringClicks();
    void firstFrameOut();
    void showStep(const ShownTime& time);
    void stepInOrder(PrecisionMode mode);
    void stepRandom(PrecisionMode mode);
    ShownTime takeInOrderTime(PrecisionMode mode);
    ShownTime drawRandomTime(PrecisionMode mode);
    void choosePrecision(Control* marker, PrecisionMode mode, const QString& confirmation);
    void choosePracticeMode(PracticeMode mode);
    bool movedPastDragDistance(QPointF pressedAt, float x, float y) const;
    void wirePracticeTimers();
    void fitClickAreaToPractice();

    // One press of the left button on the clock in Set mode, from MouseDown to MouseUp.
    struct SetGesture {
        bool down = false;
        QPointF pressedAt;      // twips, from the clock's click area
        Hand hand = Hand::none; // the hand it took hold of
        bool dragged = false;   // moved further than a click may
        bool consumed = false;  // its release is no click: it ended a glide or a double click
    };
    SetGesture setGesture;
    QTimer glideTimer;
    int glideFrom = 0, glideSteps = 0;
    QTimer rewardTimer;
    bool rewardShown = false;
    QColor rimColor; // the dial's own, while the reward shows another
    // A finger down on the clock, which becomes its right click if it stays there.
    struct TouchHold {
        QPointF at;          // twips, from the clock's click area
        bool served = false; // it was the right click; lifting it is nothing more
    };
    TouchHold touchHold;
    QTimer touchHoldTimer;
    bool pressByFinger = false; // the press in hand came from a touch screen
    // The clock's click area as the design has it, kept while Set widens it.
    std::optional<QRectF> readClickArea;
    // A press on the gear, held until it opens the settings.
    QTimer settingsHold;
    QPointer<SettingsDialog> settingsDialog;

    void watchScreen(QScreen* screen);

    Platform os;
    QMetaObject::Connection screenWatch;
    QString voiceFailure;
    bool unloaded = false;
    bool firstFrameSeen = false;
};
