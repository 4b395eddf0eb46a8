#pragma once

#include "app/form/formview.h"
#include "platform/platform.h"

#include <QString>
#include <memory>

class QScreen;

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
    void placeInWindow();
    // An ordinary window of the panel's size instead of the whole screen; set before Form_Load.
    bool windowed = false;

    Control *lblTop1, *Picture1, *lblDigital, *Shape2, *lblClickTheGreen, *Label1;
    Control *shapeClock, *Shape1, *Line1, *Line2, *lblTop, *lblClickMe;
    Control *n1, *n2, *n3, *n4, *n5, *n6, *n7, *n8, *n9, *n10, *n11, *n12;
    Control *Label4, *Image2, *Image3, *lblRandom1, *lblOrder1, *shpRandom, *shpOrder;
    Control *lblRandom, *lblOrder, *Label10, *Image1, *Image4, *Image5, *Image6;
    Control *lblHour1, *lblHalf1, *lblQuarter1, *lbl5min1;
    Control *shpHour, *shpHalf, *shpQuarter, *shp5min;
    Control *lblHour, *lblHalf, *lblQuarter, *lbl5min, *Label3, *Label2;

    // ===================================================================================
    // Clock face: numerals, hands and digital readout              (clockface/)
    //   numerals.cpp: layoutDial; hands.cpp: the hands; readout.cpp: showDigitalTime
    // ===================================================================================
    void layoutDial();
    void drawHourHand();
    void drawMinuteHand();
    void showDigitalTime();

    float dialCenterX = 0, dialCenterY = 0, dialRadius = 0;
    double minuteHandLength = 0, hourHandLength = 0;
    QString digitalHourText, digitalMinuteText;

    // ===================================================================================
    // Spoken time: speech, phrases and the announcement             (speech/)
    //   speaking.cpp: speech; composetimephrase.cpp; currenttime.cpp
    // ===================================================================================
    void speakText(QString text);
    void speakTimePhrase();
    void speakAltPhrase();
    void sayAltPhrase();
    void composeTimePhrase();
    void sayCurrentTime();

    std::unique_ptr<Voice> voice;
    QString timePhrase, altTimePhrase;

    // ===================================================================================
    // Practice: state, time stepping, click cycle, ticks and options (practice/)
    //   steppers.cpp: advanceTime and the steppers; clickcycle.cpp; ticks.cpp: the tick
    //   sounds; options.cpp
    // ===================================================================================
    void advanceTime();
    void stepHourInOrder();
    void stepHalfInOrder();
    void stepQuarterInOrder();
    void step5minInOrder();
    void stepHourRandom();
    void stepHalfRandom();
    void stepQuarterRandom();
    void step5minRandom();
    void lblClickMe_MouseUp(int Button, int Shift, float X, float Y);
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
    void refreshClock();
    void clearPrecisionMarkers();

    double shownHour = 0;
    double shownMinuteMark = 0;
    int sequenceStep = 1;
    QString precisionMode = QStringLiteral("quarter");
    QString orderMode = QStringLiteral("random");
    QString clickState = QStringLiteral("get");

protected:
    void controlClick(Control& control) override;
    void controlMouseUp(Control& control, int button, int shift, float x, float y) override;
    void surfaceClick() override { Form_Click(); }
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void bindControls();
    void describeForScreenReaders();
    void stepInOrder(int perHour, int cycleLength);
    void stepRandomSlot(int perHour, int cycleLength, bool roundMark);
    void choosePrecision(Control* marker, const QString& mode, const QString& confirmation);

    void watchScreen(QScreen* screen);

    Platform os;
    QMetaObject::Connection screenWatch;
    QString voiceFailure;
    bool unloaded = false;
    bool firstFrameLogged = false;
};
