// The controls of the window with their design values, in drawing order: each control
// added lies below the ones added before it.
#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "clockface/numeralring.h"

#include <algorithm>

namespace
{
const QString kComic = QStringLiteral("Comic Sans MS");
const QString kSans = QStringLiteral("MS Sans Serif");
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 0);
// Where controls wait, off the right edge of the panel, until start-up places them.
constexpr float kParked = 12000;

enum Text { Wraps, Fits, FitsCentred };

Control placed(const char* name, ControlKind kind, float l, float t, float w, float h)
{
    Control c;
    c.name = QString::fromLatin1(name);
    c.kind = kind;
    c.Left = l, c.Top = t, c.Width = w, c.Height = h;
    return c;
}

Control label(const char* name, const QString& caption, float l, float t, float w, float h,
              FontSpec font = {}, QColor color = kBlack, Text text = Wraps)
{
    Control c = placed(name, ControlKind::Label, l, t, w, h);
    c.Caption = caption;
    c.font = font;
    c.foreColor = color;
    c.fitsText = text != Wraps;
    c.centred = text == FitsCentred;
    return c;
}

Control clickArea(const char* name, float l, float t, float w, float h)
{
    return label(name, QString(), l, t, w, h, {kSans, 8.25, false});
}

Control shape(const char* name, ShapeKind kind, float l, float t, float w, float h,
              std::optional<QColor> fill, QColor border, int borderWidth, bool visible = true)
{
    Control c = placed(name, ControlKind::Shape, l, t, w, h);
    c.shape = kind;
    c.fillColor = fill;
    c.borderColor = border;
    c.borderWidth = borderWidth;
    c.Visible = visible;
    return c;
}

// The option column's buttons begin here; the marker dots lie just left of them and the
// captions a little way in.
constexpr float kColumnButtonLeft = 8745;

Control marker(const char* name, float top, bool visible, float buttonLeft = kColumnButtonLeft)
{
    return shape(name, ShapeKind::Circle, buttonLeft - 180, top, 120, 120, kWhite, kWhite, 1,
                 visible);
}

Control line(const char* name, QColor color, int width)
{
    Control c;
    c.name = QString::fromLatin1(name);
    c.kind = ControlKind::Line;
    c.X1 = c.X2 = kParked;
    c.Y1 = c.Y2 = kParked;
    c.borderColor = color;
    c.borderWidth = width;
    return c;
}

Control image(const char* name, float top, float left = kColumnButtonLeft)
{
    Control c = placed(name, ControlKind::Image, left, top, 1845, 465);
    c.picture = QStringLiteral(":/pictures/button.png");
    return c;
}

Control numeral(int n)
{
    const QByteArray name = "n" + QByteArray::number(n);
    return label(name.constData(), QString::number(n), kParked, kParked, n >= 10 ? 600 : 300, 675,
                 {kComic, kNumeralPoints, true}, kBlack, FitsCentred);
}

Control closeBox(const QString& toolTip)
{
    Control c = placed("Picture1", ControlKind::PictureBox, 10080, 480, 570, 570);
    c.picture = QStringLiteral(":/pictures/closecross.png");
    c.backColor = QColor(0, 64, 0);
    c.toolTip = toolTip;
    return c;
}

// The grown-ups' settings: small and quiet beside the version, clear of the clock's click area.
Control settingsGear(const QString& toolTip)
{
    Control c = placed("imgSettings", ControlKind::Image, 5535, 9990, 270, 270);
    c.picture = QStringLiteral(":/pictures/gear.png");
    c.toolTip = toolTip;
    return c;
}

// A fitted label may grow, in another language, as far as the room between left and right;
// a centred one as far as it can on both sides of its centre.
Control within(Control c, float left, float right)
{
    const float centre = c.Left + c.Width / 2;
    c.maxWidth = c.centred ? 2 * std::min(centre - left, right - centre) : right - c.Left;
    return c;
}

// Where a text may lie: under the dial, clear of the rounded ends of the option buttons, of
// the close cross and of the panel's right edge.
constexpr float kDialLeft = 960, kDialRight = 8160;
constexpr float kColumnLeft = kDialRight + 120, kPanelRight = 11175 - 120;
constexpr float kCloseLeft = 10080 - 120;
// The prompt on the dial stays between the numerals 9 and 3.
constexpr float kNumeral9Right = 1830, kNumeral3Left = 7290;

// Practice has no room left in the option column, below the precisions: it stands in the
// corner above the dial, left of the readout, where the design has nothing.
constexpr float kPracticeLeft = 420, kPracticeTop = 1170;
constexpr float kReadoutLeft = 3315;

Control caption(const char* name, const QString& text, float top, float width,
                float buttonLeft = kColumnButtonLeft)
{
    return within(label(name, text, buttonLeft + 435, top, width, 270, {kComic, 9.75, false},
                        kBlack, FitsCentred),
                  buttonLeft + 120, buttonLeft + 1845 - 120);
}

// The minute marks: every fifth, at a numeral, stronger. Clock-face code puts them on the
// dial and shows them where the hand is read to the minute.
Control minuteMark(int minute)
{
    const QByteArray name = "lnMinute" + QByteArray::number(minute);
    Control c = minute % 5 == 0 ? line(name.constData(), kBlack, 3)
                                : line(name.constData(), QColor(112, 112, 112), 2);
    c.Visible = false;
    return c;
}

// The part of the day, in a small window of the dial that clock-face code places and fills;
// above the dial, below everything on it, and shown only with the day's hours.
Control dayPicture()
{
    Control c = placed("imgDayPart", ControlKind::Image, kParked, kParked, 960, 600);
    c.Visible = false;
    return c;
}

// Labels that fit their text take the size the text really has in the font found here.
void fitLabels(Panel& panel)
{
    for (const auto& c : panel.topToBottom())
        if (c->kind == ControlKind::Label && c->fitsText)
            setCaption(*c, c->Caption);
}
} // namespace

void frmclock::createControls(Panel& p)
{
    p.Width = 11175;
    p.Height = 10575;
    p.background = QColor(0, 64, 0);
    const FontSpec small{kComic, 9.75, false};
    const FontSpec version{kSans, 9.75, true};

    p.add(clickArea("lblClickMe", 1080, 2400, 7065, 7590));
    p.add(within(label("Label3", tr("version %1").arg(QStringLiteral("2.1")), 4080, 9960, 1155, 240,
                       version, kWhite, FitsCentred),
                 kDialLeft, kDialRight));
    //: The tooltip of the small gear beside the version: a single click does nothing, so that
    //: a child does not open the settings by chance.
    p.add(settingsGear(tr("Settings for grown-ups: hold the mouse button down on it, or "
                          "double-click it")));
    p.add(clickArea("lblRandom", 8745, 3390, 1530, 405));
    p.add(clickArea("lbl5min", 8745, 7530, 1455, 420));
    p.add(clickArea("lbl1min", 8745, 8190, 1455, 420));
    p.add(clickArea("lblQuarter", 8745, 6825, 1470, 390));
    p.add(clickArea("lblHalf", 8745, 6135, 1590, 435));
    p.add(clickArea("lblHour", 8745, 5490, 1425, 420));
    p.add(clickArea("lblOrder", 8745, 3990, 1455, 465));
    p.add(clickArea("lblRead", kPracticeLeft, kPracticeTop, 1500, 420));
    p.add(clickArea("lblSet", kPracticeLeft, kPracticeTop + 600, 1500, 420));
    p.add(within(label("lblTop1", tr("Chimewise, Kid Safe and Completely Free."), 1320, 120, 7485,
                       495, {kComic, 18, false}, kWhite, Fits),
                 0, kCloseLeft));

    for (int n : {12, 3, 1, 2})
        p.add(numeral(n));
    p.add(line("Line1", QColor(0, 0, 192), 4));
    p.add(line("Line2", kMaroon, 6));
    p.add(shape("Shape1", ShapeKind::Circle, kParked, kParked, 285, 255, kMaroon, kMaroon, 1));
    for (int n : {5, 4, 6, 10, 11, 8, 7, 9})
        p.add(numeral(n));

    Control& readout = p.add(label("lblDigital", QStringLiteral("01:00"), 3315, 1155, 2205, 1005,
                                   {kComic, 36, false}, kWhite, Wraps));
    readout.centred = true;
    readout.Visible = false;
    // With a small text beside the time ("pm") the line stays inside the frame, Shape2, and
    // clear of its outline.
    readout.maxWidth = 2055 - 120;
    p.add(label("lblClickTheGreen",
                tr("click the clock, then say the time outloud, then click the clock again to "
                   "check your response."),
                5715, 840, 3660, 975, small, kWhite, Wraps));
    //: Keeps its leading blank, which the layout of the line relies on.
    p.add(within(label("Label1", tr(" right click the clock for an alternate time phrase."), 5640,
                       1800, 4530, 270, small, kWhite, Fits),
                 0, kPanelRight));
    p.add(label("Label2", QStringLiteral("chimewise.example.org"), 8505, 10200, 2115, 240, version,
                kWhite, FitsCentred));
    //: Never shown: the prompt on the dial is emptied at start-up.
    p.add(within(label("lblTop", tr("say the time outloud"), 3510, 5100, 2190, 345,
                       {kComic, 12, false}, kBlack, FitsCentred),
                 kNumeral9Right, kNumeral3Left));
    p.add(shape("Shape2", ShapeKind::RoundedRect, 3390, 1305, 2055, 825, std::nullopt, kWhite, 2));

    p.add(marker("shpHalf", 6300, false));
    p.add(marker("shpQuarter", 6960, true));
    p.add(marker("shpHour", 5610, false));
    p.add(marker("shp5min", 7635, false));
    p.add(marker("shp1min", 8295, false));
    p.add(marker("shpOrder", 4110, false));
    p.add(
        within(label("Label10", tr("Precision"), 8700, 4995, 855, 270, small, kWhite, FitsCentred),
               kColumnLeft, kPanelRight));
    //: The heading over the options Random and In Order: the order the times come in.
    p.add(within(
        label("Label4", tr("Times Shown"), 8715, 2970, 1215, 270, small, kWhite, FitsCentred),
        kColumnLeft, kPanelRight));
    p.add(marker("shpRandom", 3510, true));
    p.add(marker("shpRead", kPracticeTop + 120, true, kPracticeLeft));
    p.add(marker("shpSet", kPracticeTop + 720, false, kPracticeLeft));
    //: The heading over the options Read (the clock shows a time, the child says it) and Set
    //: (the voice asks for a time, the child moves the hands).
    p.add(within(label("Label5", tr("Practice"), kPracticeLeft - 15, kPracticeTop - 495, 795, 270,
                       small, kWhite, FitsCentred),
                 0, kReadoutLeft));

    //: An option of Practice: the child moves the hands to the time asked for.
    p.add(caption("lblSet1", tr("Set"), kPracticeTop + 720, 330, kPracticeLeft));
    //: An option of Practice: the child reads the time the clock shows.
    p.add(caption("lblRead1", tr("Read"), kPracticeTop + 120, 480, kPracticeLeft));
    //: An option of Precision: every minute, the finest step.
    p.add(caption("lbl1min1", tr("1 minute"), 8295, 780));
    p.add(caption("lbl5min1", tr("5 minute"), 7635, 780));
    p.add(caption("lblQuarter1", tr("1/4 Hour"), 6870, 825));
    p.add(caption("lblHalf1", tr("1/2 Hour"), 6255, 825));
    //: An option of Precision: whole hours only.
    p.add(caption("lblHour1", tr("Hour"), 5610, 450));
    p.add(caption("lblOrder1", tr("In Order"), 4110, 855));
    p.add(caption("lblRandom1", tr("Random"), 3510, 690));

    p.add(image("Image6", 7515));
    p.add(image("Image5", 6780));
    p.add(image("Image4", 6150));
    p.add(image("Image3", 3990));
    p.add(image("Image2", 3390));
    p.add(image("Image1", 5490));
    p.add(image("Image9", 8175));
    p.add(image("Image8", kPracticeTop + 600, kPracticeLeft));
    p.add(image("Image7", kPracticeTop, kPracticeLeft));
    for (int minute = 0; minute < 60; ++minute)
        p.add(minuteMark(minute));
    p.add(dayPicture());
    p.add(
        shape("shapeClock", ShapeKind::RoundedSquare, 960, 1800, 7200, 8685, kWhite, kMaroon, 16));
    p.setTopmost(p.add(closeBox(tr("Click to close program"))));
    fitLabels(p);
}
