#include "app/frmclock.h"

#include "app/resources.h"

#include <QIcon>

frmclock::frmclock(const Platform& platform, QWidget* parent) : FormView(parent), os(platform)
{
    initPictureResources();
    setWindowTitle(QStringLiteral("Chimewise - version 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setWindowFlag(Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    resize(790, 747);
    createControls();
    bindControls();
    describeForScreenReaders();
}

void frmclock::describeForScreenReaders()
{
    lblClickMe->accessibleRole = AccessibleRole::Clock;
    lblClickMe->accessibleName = QStringLiteral("Clock: click for a new time, click again to hear "
                                                "it, right click to hear it in words");
    Picture1->accessibleRole = AccessibleRole::Button;
    Picture1->accessibleName = QStringLiteral("Close");
    const std::pair<Control*, Control*> options[] = {{lblRandom, shpRandom},   {lblOrder, shpOrder},
                                                     {lblHour, shpHour},       {lblHalf, shpHalf},
                                                     {lblQuarter, shpQuarter}, {lbl5min, shp5min}};
    const Control* captions[] = {lblRandom1, lblOrder1, lblHour1, lblHalf1, lblQuarter1, lbl5min1};
    for (std::size_t i = 0; i < std::size(options); ++i) {
        options[i].first->accessibleRole = AccessibleRole::RadioButton;
        options[i].first->accessibleName = captions[i]->Caption;
        options[i].first->checkedBy = options[i].second;
    }
}

frmclock::~frmclock() = default;

void frmclock::bindControls()
{
    const Panel& p = panel();
    Control** fields[] = {&lblTop1,     &Picture1,   &lblDigital, &Shape2,     &lblClickTheGreen,
                          &Label1,      &shapeClock, &Shape1,     &Line1,      &Line2,
                          &lblTop,      &lblClickMe, &n1,         &n2,         &n3,
                          &n4,          &n5,         &n6,         &n7,         &n8,
                          &n9,          &n10,        &n11,        &n12,        &Label4,
                          &Image2,      &Image3,     &lblRandom1, &lblOrder1,  &shpRandom,
                          &shpOrder,    &lblRandom,  &lblOrder,   &Label10,    &Image1,
                          &Image4,      &Image5,     &Image6,     &lblHour1,   &lblHalf1,
                          &lblQuarter1, &lbl5min1,   &shpHour,    &shpHalf,    &shpQuarter,
                          &shp5min,     &lblHour,    &lblHalf,    &lblQuarter, &lbl5min,
                          &Label3,      &Label2};
    static const char* const names[] = {
        "lblTop1",     "Picture1",   "lblDigital", "Shape2",     "lblClickTheGreen",
        "Label1",      "shapeClock", "Shape1",     "Line1",      "Line2",
        "lblTop",      "lblClickMe", "n1",         "n2",         "n3",
        "n4",          "n5",         "n6",         "n7",         "n8",
        "n9",          "n10",        "n11",        "n12",        "Label4",
        "Image2",      "Image3",     "lblRandom1", "lblOrder1",  "shpRandom",
        "shpOrder",    "lblRandom",  "lblOrder",   "Label10",    "Image1",
        "Image4",      "Image5",     "Image6",     "lblHour1",   "lblHalf1",
        "lblQuarter1", "lbl5min1",   "shpHour",    "shpHalf",    "shpQuarter",
        "shp5min",     "lblHour",    "lblHalf",    "lblQuarter", "lbl5min",
        "Label3",      "Label2"};
    static_assert(std::size(names) == sizeof(fields) / sizeof(fields[0]));
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        *fields[i] = p.find(QLatin1String(names[i]));
        Q_ASSERT(*fields[i]);
    }
}

void frmclock::controlClick(Control& control)
{
    if (&control == Picture1)
        Picture1_Click();
    else if (&control == lblOrder)
        lblOrder_Click();
    else if (&control == lblRandom)
        lblRandom_Click();
    else if (&control == lblHour)
        lblHour_Click();
    else if (&control == lblHalf)
        lblHalf_Click();
    else if (&control == lblQuarter)
        lblQuarter_Click();
    else if (&control == lbl5min)
        lbl5min_Click();
}

void frmclock::controlMouseUp(Control& control, int button, int shift, float x, float y)
{
    if (&control == lblClickMe)
        lblClickMe_MouseUp(button, shift, x, y);
}
