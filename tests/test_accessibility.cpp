// What a screen reader is told about the window and what it can do there, at the level of
// the interfaces the AT-SPI bridge calls.
#include "clockface/dialmath.h"
#include "tests/support/clockfixture.h"

#include <QAccessible>
#include <QtTest>

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void eachControl_data();
    void eachControl();
    void clockDescriptionNeverGivesTheAnswerAway();
    void clockInSetModeIsSetLikeASlider();
    void interfacesGoBeforeTheirControls();
};

namespace
{
QAccessibleInterface* interfaceUnder(ClockFixture& fixture, const Control* control)
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(fixture.window.get());
    const QPoint at = fixture.window->mapToGlobal(fixture.middleOf(control));
    return root->childAt(at.x(), at.y());
}

// Everything a click can change that a child or a parent would notice.
QString outcome(const ClockFixture& fixture)
{
    const frmclock& w = *fixture.window;
    QStringList shown;
    for (const Control* c : {w.shpRandom, w.shpOrder, w.shpHour, w.shpHalf, w.shpQuarter, w.shp5min,
                             w.shp1min, w.shpRead, w.shpSet, w.lblDigital})
        if (c->Visible)
            shown << c->name;
    const QString settings = QStringLiteral("%1 %2 %3")
                                 .arg(int(w.clickState))
                                 .arg(int(w.orderMode))
                                 .arg(int(w.precisionMode));
    return QStringList({fixture.fakes.sounds.events.join('|'), settings, w.lblDigital->Caption,
                        w.lblTop->Caption, shown.join(','), w.isUnloaded() ? "closed" : "open"})
        .join('\n');
}
} // namespace

void AccessibilityTest::eachControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("checked"); // -1: not a radio button
    const int button = QAccessible::Button, radio = QAccessible::RadioButton;
    QTest::newRow("clock") << "lblClickMe" << button
                           << "Clock: click for a new time, click again to hear it, right click "
                              "to hear it in words"
                           << -1;
    QTest::newRow("Random") << "lblRandom" << radio << "Random" << 1;
    QTest::newRow("In Order") << "lblOrder" << radio << "In Order" << 0;
    QTest::newRow("Hour") << "lblHour" << radio << "Hour" << 0;
    QTest::newRow("1/2 Hour") << "lblHalf" << radio << "1/2 Hour" << 0;
    QTest::newRow("1/4 Hour") << "lblQuarter" << radio << "1/4 Hour" << 1;
    QTest::newRow("5 minute") << "lbl5min" << radio << "5 minute" << 0;
    QTest::newRow("1 minute") << "lbl1min" << radio << "1 minute" << 0;
    QTest::newRow("Read") << "lblRead" << radio << "Read" << 1;
    QTest::newRow("Set") << "lblSet" << radio << "Set" << 0;
    QTest::newRow("close") << "Picture1" << button << "Close" << -1;
}

void AccessibilityTest::eachControl()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(int, checked);
    ClockFixture byMouse, byAction;
    byMouse.load();
    frmclock& w = byAction.load();
    const Control* target = w.panel().find(control);
    QAccessibleInterface* iface = interfaceUnder(byAction, target);
    QVERIFY(iface);
    QAccessibleInterface* root = iface->parent();
    QCOMPARE(root->childCount(), 12);
    QCOMPARE(root->child(root->indexOfChild(iface)), iface);

    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(iface->state().focusable);
    QCOMPARE(iface->state().checkable, checked >= 0);
    QCOMPARE(int(iface->state().checked), qMax(checked, 0));
    QCOMPARE(iface->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});

    // Pressing through the screen reader does what the mouse does.
    const QString before = outcome(byAction);
    QTest::mouseClick(byMouse.window.get(), Qt::LeftButton, {}, byMouse.middleOf(target));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(outcome(byAction), outcome(byMouse));
    QVERIFY(outcome(byAction) != before);
    if (checked >= 0)
        QVERIFY(iface->state().checked);
}

void AccessibilityTest::clockDescriptionNeverGivesTheAnswerAway()
{
    ClockFixture fixture(14, 7);
    frmclock& w = fixture.load();
    QAccessibleInterface* clock = interfaceUnder(fixture, w.lblClickMe);
    const auto description = [clock] { return clock->text(QAccessible::Description); };
    QCOMPARE(description(), QStringLiteral("The clock shows 2:07."));
    w.lblOrder_Click();
    QCOMPARE(description(), QStringLiteral("The clock shows 12:00."));
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(description(), QStringLiteral("Say the time out loud, then click the clock again "
                                           "to check."));
    w.lblClickMe_MouseUp(2, 0, 0, 0);
    QVERIFY(!description().contains(QRegularExpression("[0-9]")));
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    QCOMPARE(description(), QStringLiteral("The clock shows 12:15."));
}

void AccessibilityTest::clockInSetModeIsSetLikeASlider()
{
    ClockFixture fixture(14, 7);
    frmclock& w = fixture.load();
    QAccessibleInterface* clock = interfaceUnder(fixture, w.lblClickMe);
    QVERIFY(!clock->valueInterface()); // reading the clock, its time is the answer
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblOrder1));
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lblSet1));
    QVERIFY(clock->text(QAccessible::Name).contains("arrow keys"));
    QCOMPARE(clock->text(QAccessible::Description), QStringLiteral("The hands show 12:00."));
    QAccessibleValueInterface* value = clock->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->minimumValue(), QVariant(0.0));
    QCOMPARE(value->maximumValue(), QVariant(719.0));
    QCOMPARE(value->minimumStepSize(), QVariant(5.0));
    QCOMPARE(clock->text(QAccessible::Value), QStringLiteral("12:00"));

    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.at(3000, 8000));
    QCOMPARE(clock->text(QAccessible::Description),
             QStringLiteral("Show 12:15; the hands show 12:00."));
    QTest::keyClick(&w, Qt::Key_Right);
    QCOMPARE(clock->text(QAccessible::Value), QStringLiteral("12:05"));

    // Set by the screen reader in minutes, to the nearest mark; whatever it sends is read
    // round the dial.
    value->setCurrentValue(16);
    QCOMPARE(w.Line1->X2, handEnd(w.dialCenterX, w.dialCenterY, w.minuteHandLength, 3).x);
    QCOMPARE(clock->text(QAccessible::Description),
             QStringLiteral("Show 12:15; the hands show 12:15."));
    value->setCurrentValue(-5);
    QCOMPARE(clock->text(QAccessible::Value), QStringLiteral("11:55"));
    for (const QVariant& odd : {QVariant(qQNaN()), QVariant(QStringLiteral("soon"))}) {
        value->setCurrentValue(odd);
        QCOMPARE(value->currentValue(), QVariant(715.0));
    }
    value->setCurrentValue(1e300);
    QVERIFY(value->currentValue().toDouble() >= 0 && value->currentValue().toDouble() <= 715);
    QCOMPARE(int(value->currentValue().toDouble()) % 5, 0);

    // At 1 minute the same scale, one step a minute.
    QTest::mouseClick(&w, Qt::LeftButton, {}, fixture.middleOf(w.lbl1min1));
    QCOMPARE(value->minimumStepSize(), QVariant(1.0));
    value->setCurrentValue(187);
    QCOMPARE(clock->text(QAccessible::Value), QStringLiteral("3:07"));
    w.lblClickMe_KeyDown(Qt::Key_Left, 0);
    QCOMPARE(clock->text(QAccessible::Value), QStringLiteral("3:06"));
}

void AccessibilityTest::interfacesGoBeforeTheirControls()
{
    // Qt drops a window's interface when the window object is destroyed, after its
    // controls; by then the controls' interfaces must be gone already.
    auto fixture = std::make_unique<ClockFixture>();
    QList<QAccessible::Id> ids;
    bool goneFirst = false;
    connect(fixture->window.get(), &QObject::destroyed, this, [&] {
        goneFirst = std::all_of(ids.begin(), ids.end(), [](QAccessible::Id id) {
            return !QAccessible::accessibleInterface(id);
        });
    });
    frmclock& w = fixture->load();
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
    for (int i = 0; i < root->childCount(); ++i)
        ids << QAccessible::uniqueId(root->child(i));
    fixture.reset();
    QVERIFY(goneFirst);
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
