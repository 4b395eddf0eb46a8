// What a screen reader is told about the window.
#include "tests/support/clockfixture.h"

#include <QAccessible>
#include <QtTest>

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void childrenHaveNamesAndRoles();
    void optionsReportTheirCheckedState();
};

namespace
{
QMap<QString, QAccessibleInterface*> childrenByName(QWidget* window)
{
    QMap<QString, QAccessibleInterface*> out;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i)
        out.insert(root->child(i)->text(QAccessible::Name), root->child(i));
    return out;
}
} // namespace

void AccessibilityTest::childrenHaveNamesAndRoles()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    const auto children = childrenByName(&w);
    QCOMPARE(children.size(), 8);
    const QStringList options{"Random", "In Order", "Hour", "1/2 Hour", "1/4 Hour", "5 minute"};
    for (const QString& name : options) {
        QVERIFY2(children.contains(name), qPrintable(name));
        QCOMPARE(children[name]->role(), QAccessible::RadioButton);
        QVERIFY(children[name]->rect().isValid());
    }
    QCOMPARE(children.value("Close")->role(), QAccessible::Button);
    int clocks = 0;
    for (QAccessibleInterface* child : children)
        clocks += child->role() == QAccessible::Clock;
    QCOMPARE(clocks, 1);
    // The interface under the close cross is the close button.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
    const QPoint cross = w.mapToGlobal(fixture.middleOf(w.Picture1));
    QCOMPARE(root->childAt(cross.x(), cross.y()), children.value("Close"));
}

void AccessibilityTest::optionsReportTheirCheckedState()
{
    ClockFixture fixture;
    frmclock& w = fixture.load();
    auto checked = [&] {
        QStringList out;
        for (QAccessibleInterface* child : childrenByName(&w))
            if (child->state().checked)
                out << child->text(QAccessible::Name);
        out.sort();
        return out;
    };
    QCOMPARE(checked(), QStringList({"1/4 Hour", "Random"}));
    w.lblOrder_Click();
    w.lbl5min_Click();
    QCOMPARE(checked(), QStringList({"5 minute", "In Order"}));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
