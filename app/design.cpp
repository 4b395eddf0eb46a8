// The controls of the window with their design values, in drawing order: each control
// added lies below the ones added before it.
#include "app/form/textfit.h"
#include "app/frmclock.h"

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

Control marker(const char* name, float top, bool visible)
{
    return shape(name, ShapeKind::Circle, 8565, top, 120, 120, kWhite, kWhite, 1, visible);
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

Control image(const char* name, float top)
{
    Control c = placed(name, ControlKind::Image, 8745, top, 1845, 465);
    c.picture = QStringLiteral(":/pictures/button.png");
    return c;
}

Control numeral(int n)
{
    const QByteArray name = "n" + QByteArray::number(n);
    return label(name.constData(), QString::number(n), kParked, kParked, n >= 10 ? 600 : 300, 675,
                 {kComic, 24, true}, kBlack, FitsCentred);
}

Control closeBox()
{
    Control c = placed("Picture1", ControlKind::PictureBox, 10080, 480, 570, 570);
    c.picture = QStringLiteral(":/pictures/closecross.png");
    c.backColor = QColor(0, 64, 0);
    c.toolTip = QStringLiteral("Click to close program");
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

void frmclock::createControls()
{
    Panel& p = panel();
    p.Width = 11175;
    p.Height = 10575;
    p.background = QColor(0, 64, 0);
    const FontSpec small{kComic, 9.75, false};
    const FontSpec version{kSans, 9.75, true};

    p.add(clickArea("lblClickMe", 1080, 2400, 7065, 7590));
    p.add(label("Label3", QStringLiteral("version 2.1"), 4080, 9960, 1155, 240, version, kWhite,
                FitsCentred));
    p.add(clickArea("lblRandom", 8745, 3390, 1530, 405));
    p.add(clickArea("lbl5min", 8745, 7530, 1455, 420));
    p.add(clickArea("lblQuarter", 8745, 6825, 1470, 390));
    p.add(clickArea("lblHalf", 8745, 6135, 1590, 435));
    p.add(clickArea("lblHour", 8745, 5490, 1425, 420));
    p.add(clickArea("lblOrder", 8745, 3990, 1455, 465));
    p.add(clickArea("lblRead", 8745, 9015, 1500, 420));
    p.add(clickArea("lblSet", 8745, 9615, 1500, 420));
    p.add(label("lblTop1", QStringLiteral("Chimewise, Kid Safe and Completely Free."), 1320, 120,
                7485, 495, {kComic, 18, false}, kWhite, Fits));

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
    p.add(label("lblClickTheGreen",
                QStringLiteral("click the clock, then say the time outloud, then click the clock "
                               "again to check your response."),
                5715, 840, 3660, 975, small, kWhite, Wraps));
    p.add(label("Label1", QStringLiteral(" right click the clock for an alternate time phrase."),
                5640, 1800, 4530, 270, small, kWhite, Fits));
    p.add(label("Label2", QStringLiteral("chimewise.example.org"), 8505, 10200, 2115, 240, version,
                kWhite, FitsCentred));
    p.add(label("lblTop", QStringLiteral("say the time outloud"), 3510, 5100, 2190, 345,
                {kComic, 12, false}, kBlack, FitsCentred));
    p.add(shape("Shape2", ShapeKind::RoundedRect, 3390, 1305, 2055, 825, std::nullopt, kWhite, 2));

    p.add(marker("shpHalf", 6300, false));
    p.add(marker("shpQuarter", 6960, true));
    p.add(marker("shpHour", 5610, false));
    p.add(marker("shp5min", 7635, false));
    p.add(marker("shpOrder", 4110, false));
    p.add(label("Label10", QStringLiteral("Precision"), 8700, 4995, 855, 270, small, kWhite,
                FitsCentred));
    p.add(label("Label4", QStringLiteral("Times Shown"), 8715, 2970, 1215, 270, small, kWhite,
                FitsCentred));
    p.add(marker("shpRandom", 3510, true));
    p.add(marker("shpRead", 9135, true));
    p.add(marker("shpSet", 9735, false));
    p.add(label("Label5", QStringLiteral("Practice"), 8730, 8520, 795, 270, small, kWhite,
                FitsCentred));

    p.add(
        label("lblSet1", QStringLiteral("Set"), 9180, 9735, 330, 270, small, kBlack, FitsCentred));
    p.add(label("lblRead1", QStringLiteral("Read"), 9180, 9135, 480, 270, small, kBlack,
                FitsCentred));
    p.add(label("lbl5min1", QStringLiteral("5 minute"), 9180, 7635, 780, 270, small, kBlack,
                FitsCentred));
    p.add(label("lblQuarter1", QStringLiteral("1/4 Hour"), 9180, 6870, 825, 270, small, kBlack,
                FitsCentred));
    p.add(label("lblHalf1", QStringLiteral("1/2 Hour"), 9180, 6255, 825, 270, small, kBlack,
                FitsCentred));
    p.add(label("lblHour1", QStringLiteral("Hour"), 9180, 5610, 450, 270, small, kBlack,
                FitsCentred));
    p.add(label("lblOrder1", QStringLiteral("In Order"), 9180, 4110, 855, 270, small, kBlack,
                FitsCentred));
    p.add(label("lblRandom1", QStringLiteral("Random"), 9180, 3510, 690, 270, small, kBlack,
                FitsCentred));

    p.add(image("Image6", 7515));
    p.add(image("Image5", 6780));
    p.add(image("Image4", 6150));
    p.add(image("Image3", 3990));
    p.add(image("Image2", 3390));
    p.add(image("Image1", 5490));
    p.add(image("Image8", 9615));
    p.add(image("Image7", 9015));
    p.add(
        shape("shapeClock", ShapeKind::RoundedSquare, 960, 1800, 7200, 8685, kWhite, kMaroon, 16));
    p.setTopmost(p.add(closeBox()));
    fitLabels(p);
}
