#include "app/form/formaccessible.h"

#include "app/form/formview.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <array>

namespace
{
// Read in the order the keys go through them, then any others in drawing order.
QList<Control*> accessibleControls(const Panel& panel)
{
    QList<Control*> out;
    for (Control* control : panel.tabOrder)
        if (control->accessibleRole != AccessibleRole::None)
            out << control;
    for (const auto& control : panel.topToBottom())
        if (control->accessibleRole != AccessibleRole::None && !out.contains(control.get()))
            out << control.get();
    return out;
}

class ControlAccessible final : public QAccessibleInterface,
                                public QAccessibleActionInterface,
                                public QAccessibleValueInterface
{
public:
    ControlAccessible(FormView* view, Control* control) : view(view), control(control)
    {
        reportedChecked = state().checked;
        reportedName = text(QAccessible::Name);
        reportedDescription = text(QAccessible::Description);
        reportedValue = currentValue();
    }

    Control* target() const { return control; }

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
            return view->accessibleDescription(*control);
        if (t == QAccessible::Value) {
            const std::optional<FormView::Value> value = view->accessibleValue(*control);
            return value ? value->text : QString();
        }
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
        case AccessibleRole::None:
            break;
        }
        return QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !control->Visible;
        const auto& order = view->panel().tabOrder;
        s.focusable = std::find(order.begin(), order.end(), control) != order.end();
        s.focused = s.focusable && view->focusedControl() == control && view->hasFocus();
        if (control->accessibleRole == AccessibleRole::RadioButton) {
            s.checkable = true;
            s.checked = control->checkedBy && control->checkedBy->Visible;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface && view && view->accessibleValue(*control))
            return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && view)
            view->pressControl(*control, 1);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QVariant currentValue() const override { return valuePart(&FormView::Value::current); }
    void setCurrentValue(const QVariant& value) override
    {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (view && isNumber && view->accessibleValue(*control))
            view->setControlValue(*control, number);
    }
    QVariant maximumValue() const override { return valuePart(&FormView::Value::maximum); }
    QVariant minimumValue() const override { return valuePart(&FormView::Value::minimum); }
    QVariant minimumStepSize() const override { return valuePart(&FormView::Value::step); }

    // Sends an event for each change since the screen reader last heard of this control.
    void announceChanges()
    {
        if (const bool checked = state().checked; checked != reportedChecked) {
            reportedChecked = checked;
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
        announceText(QAccessible::Name, reportedName, QAccessible::NameChanged);
        announceText(QAccessible::Description, reportedDescription,
                     QAccessible::DescriptionChanged);
        if (QVariant value = currentValue(); value != reportedValue) {
            reportedValue = value;
            if (value.isValid()) {
                QAccessibleValueChangeEvent event(this, value);
                QAccessible::updateAccessibility(&event);
            }
        }
    }

private:
    QVariant valuePart(double FormView::Value::*part) const
    {
        const std::optional<FormView::Value> value =
            view ? view->accessibleValue(*control) : std::nullopt;
        return value ? QVariant((*value).*part) : QVariant();
    }
    void announceText(QAccessible::Text which, QString& reported, QAccessible::Event change)
    {
        if (QString now = text(which); now != reported) {
            reported = std::move(now);
            QAccessibleEvent event(this, change);
            QAccessible::updateAccessibility(&event);
        }
    }

    QPointer<FormView> view;
    Control* control;
    bool reportedChecked = false;
    QString reportedName, reportedDescription;
    QVariant reportedValue;
};

class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(FormView* view) : QAccessibleWidget(view, QAccessible::Window)
    {
        // Qt would drop this interface only once the window is gone, after its controls: it
        // goes while they still exist.
        following = {
            QObject::connect(view, &FormView::contentChanged, view, [this] { announceChanges(); }),
            QObject::connect(view, &FormView::focusMoved, view, [this] { announceFocus(); }),
            QObject::connect(view, &FormView::controlsEnding, view,
                             [this] { QAccessible::deleteAccessibleInterface(id()); })};
    }
    ~FormAccessible() override
    {
        for (const QMetaObject::Connection& connection : following)
            QObject::disconnect(connection);
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
        const auto* mine = dynamic_cast<const ControlAccessible*>(child);
        return mine ? int(accessibleControls(form()->panel()).indexOf(mine->target())) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        Control* hit = form()->controlAt(form()->mapFromGlobal(QPoint(x, y)));
        return hit && hit->accessibleRole != AccessibleRole::None ? interfaceFor(hit) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        Control* focused = form()->focusedControl();
        return focused && form()->hasFocus() ? interfaceFor(focused) : nullptr;
    }

    // One interface per control for the life of the window, as screen readers expect.
    ControlAccessible* interfaceFor(Control* control) const
    {
        auto found = made.find(control);
        if (found != made.end())
            return static_cast<ControlAccessible*>(QAccessible::accessibleInterface(found->second));
        auto* made1 = new ControlAccessible(form(), control);
        made[control] = QAccessible::registerAccessibleInterface(made1);
        return made1;
    }

private:
    FormView* form() const { return static_cast<FormView*>(widget()); }
    QAccessible::Id id() { return QAccessible::uniqueId(this); }
    // Tells screen readers whose checked state, texts or value changed.
    void announceChanges()
    {
        if (!QAccessible::isActive())
            return;
        for (const auto& [control, id] : made)
            static_cast<ControlAccessible*>(QAccessible::accessibleInterface(id))
                ->announceChanges();
    }
    // Tells screen readers which control the keyboard focus is on now.
    void announceFocus()
    {
        Control* focused = form()->focusedControl();
        if (!QAccessible::isActive() || !focused || focused->accessibleRole == AccessibleRole::None)
            return;
        QAccessibleEvent event(interfaceFor(focused), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }

    mutable std::map<Control*, QAccessible::Id> made;
    std::array<QMetaObject::Connection, 3> following;
};

QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* view = qobject_cast<FormView*>(object))
        return new FormAccessible(view);
    return nullptr;
}
} // namespace

void installFormAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formAccessibleFactory), true);
    Q_UNUSED(installed);
}
