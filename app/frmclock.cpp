#include "app/frmclock.h"

#include "app/form/formaccessible.h"
#include "app/resources.h"

frmclock::frmclock(const Platform& platform, QWidget* parent) : FormView(parent), os(platform)
{
    initPictureResources();
    installFormAccessibility();
    showTitle();
    setWindowFlag(Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    resize(790, 747);
    createControls(panel());
    bindControls();
    describeForScreenReaders();
    wirePracticeTimers();
    watchForSettings();
}

frmclock::~frmclock() = default;

void frmclock::showTitle()
{
    setWindowTitle(tr("Chimewise - version 2.0"));
}

void frmclock::bindControls()
{
    // Every control is reachable by its name, as a member of the window.
    static const std::pair<const char*, Control * frmclock::*> members[] = {
        {"lblTop1", &frmclock::lblTop1},
        {"Picture1", &frmclock::Picture1},
        {"lblDigital", &frmclock::lblDigital},
        {"Shape2", &frmclock::Shape2},
        {"lblClickTheGreen", &frmclock::lblClickTheGreen},
        {"Label1", &frmclock::Label1},
        {"shapeClock", &frmclock::shapeClock},
        {"Shape1", &frmclock::Shape1},
        {"Line1", &frmclock::Line1},
        {"Line2", &frmclock::Line2},
        {"lblTop", &frmclock::lblTop},
        {"lblClickMe", &frmclock::lblClickMe},
        {"n1", &frmclock::n1},
        {"n2", &frmclock::n2},
        {"n3", &frmclock::n3},
        {"n4", &frmclock::n4},
        {"n5", &frmclock::n5},
        {"n6", &frmclock::n6},
        {"n7", &frmclock::n7},
        {"n8", &frmclock::n8},
        {"n9", &frmclock::n9},
        {"n10", &frmclock::n10},
        {"n11", &frmclock::n11},
        {"n12", &frmclock::n12},
        {"Label4", &frmclock::Label4},
        {"Image2", &frmclock::Image2},
        {"Image3", &frmclock::Image3},
        {"lblRandom1", &frmclock::lblRandom1},
        {"lblOrder1", &frmclock::lblOrder1},
        {"shpRandom", &frmclock::shpRandom},
        {"shpOrder", &frmclock::shpOrder},
        {"lblRandom", &frmclock::lblRandom},
        {"lblOrder", &frmclock::lblOrder},
        {"Label10", &frmclock::Label10},
        {"Image1", &frmclock::Image1},
        {"Image4", &frmclock::Image4},
        {"Image5", &frmclock::Image5},
        {"Image6", &frmclock::Image6},
        {"lblHour1", &frmclock::lblHour1},
        {"lblHalf1", &frmclock::lblHalf1},
        {"lblQuarter1", &frmclock::lblQuarter1},
        {"lbl5min1", &frmclock::lbl5min1},
        {"shpHour", &frmclock::shpHour},
        {"shpHalf", &frmclock::shpHalf},
        {"shpQuarter", &frmclock::shpQuarter},
        {"shp5min", &frmclock::shp5min},
        {"lblHour", &frmclock::lblHour},
        {"lblHalf", &frmclock::lblHalf},
        {"lblQuarter", &frmclock::lblQuarter},
        {"lbl5min", &frmclock::lbl5min},
        {"Label3", &frmclock::Label3},
        {"Label2", &frmclock::Label2},
        {"Label5", &frmclock::Label5},
        {"Image7", &frmclock::Image7},
        {"Image8", &frmclock::Image8},
        {"lblRead1", &frmclock::lblRead1},
        {"lblSet1", &frmclock::lblSet1},
        {"shpRead", &frmclock::shpRead},
        {"shpSet", &frmclock::shpSet},
        {"lblRead", &frmclock::lblRead},
        {"lblSet", &frmclock::lblSet},
        {"imgSettings", &frmclock::imgSettings},
        {"Image9", &frmclock::Image9},
        {"lbl1min1", &frmclock::lbl1min1},
        {"shp1min", &frmclock::shp1min},
        {"lbl1min", &frmclock::lbl1min},
        {"imgDayPart", &frmclock::imgDayPart},
    };
    for (const auto& [name, member] : members) {
        this->*member = panel().find(QLatin1String(name));
        Q_ASSERT(this->*member);
    }
    for (std::size_t minute = 0; minute < lnMinute.size(); ++minute) {
        lnMinute[minute] = panel().find(QStringLiteral("lnMinute%1").arg(minute));
        Q_ASSERT(lnMinute[minute]);
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
    else if (&control == lbl1min)
        lbl1min_Click();
    else if (&control == lblRead)
        lblRead_Click();
    else if (&control == lblSet)
        lblSet_Click();
}

void frmclock::controlMouseUp(Control& control, int button, int shift, float x, float y)
{
    if (&control == lblClickMe)
        lblClickMe_MouseUp(button, shift, x, y);
    else if (&control == imgSettings)
        imgSettings_MouseUp();
}

void frmclock::controlMouseDown(Control& control, int button, int shift, float x, float y)
{
    if (&control == lblClickMe)
        lblClickMe_MouseDown(button, shift, x, y);
    else if (&control == imgSettings)
        imgSettings_MouseDown(button);
}

void frmclock::controlMouseMove(Control& control, int button, int shift, float x, float y)
{
    if (&control == lblClickMe)
        lblClickMe_MouseMove(button, shift, x, y);
    else if (&control == imgSettings)
        imgSettings_MouseMove(x, y);
}

void frmclock::controlDblClick(Control& control)
{
    if (&control == lblClickMe)
        lblClickMe_DblClick();
    else if (&control == imgSettings)
        imgSettings_DblClick();
}

// A key or a screen reader opens the settings at one press: neither is a child's stray click.
bool frmclock::controlPressed(Control& control, int button)
{
    if (&control != imgSettings || button != 1)
        return false;
    openSettings();
    return true;
}

bool frmclock::controlKeyDown(Control& control, int key, int shift)
{
    return &control == lblClickMe && lblClickMe_KeyDown(key, shift);
}
