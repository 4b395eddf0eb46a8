#include "app/form/formaccessible.h"

#include "app/form/formview.h"

#include <QAccessibleWidget>

namespace
{
QList<Control*> accessibleControls(const Panel& panel)
{
    QList<Control*> out;
    for (const auto& control : panel.topToBottom())
        if (control->accessibleRole != AccessibleRole::None)
            out << control.get();
    return out;
}

class ControlAccessible : public QAccessibleInterface
{
public:
    ControlAccessible(FormView* view, Control* control) : view(view), control(control) {}

    bool isValid() const override { return view && control; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view ? view->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(view);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return control->accessibleName;
        if (t == QAccessible::Description)
            return control->toolTip;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QPointF topLeft = view->windowPosOf(control->Left, control->Top);
        const QPointF bottomRight =
            view->windowPosOf(control->Left + control->Width, control->Top + control->Height);
        return QRect(view->mapToGlobal(topLeft.toPoint()),
                     view->mapToGlobal(bottomRight.toPoint()));
    }
    QAccessible::Role role() const override
    {
        switch (control->accessibleRole) {
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::RadioButton:
            return QAccessible::RadioButton;
        case AccessibleRole::Clock:
            return QAccessible::Clock;
        case AccessibleRole::None:
            break;
        }
        return QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !control->Visible;
        if (control->accessibleRole == AccessibleRole::RadioButton) {
            s.checkable = true;
            s.checked = control->checkedBy && control->checkedBy->Visible;
        }
        return s;
    }

private:
    QPointer<FormView> view;
    Control* control;
};

class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(FormView* view) : QAccessibleWidget(view, QAccessible::Window) {}
    ~FormAccessible() override
    {
        for (const auto& [control, id] : made)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(accessibleControls(form()->panel()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<Control*> controls = accessibleControls(form()->panel());
        if (index < 0 || index >= controls.size())
            return nullptr;
        return interfaceFor(controls.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        Control* hit = form()->controlAt(form()->mapFromGlobal(QPoint(x, y)));
        return hit && hit->accessibleRole != AccessibleRole::None ? interfaceFor(hit) : nullptr;
    }

private:
    FormView* form() const { return static_cast<FormView*>(widget()); }
    // One interface per control for the life of the window, as screen readers expect.
    QAccessibleInterface* interfaceFor(Control* control) const
    {
        auto found = made.find(control);
        if (found != made.end())
            return QAccessible::accessibleInterface(found->second);
        auto* made1 = new ControlAccessible(form(), control);
        made[control] = QAccessible::registerAccessibleInterface(made1);
        return made1;
    }
    mutable std::map<Control*, QAccessible::Id> made;
};
} // namespace

QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* view = qobject_cast<FormView*>(object))
        return new FormAccessible(view);
    return nullptr;
}
