#include "app/form/panel.h"

Control& Panel::add(Control control)
{
    controls.push_back(std::make_unique<Control>(std::move(control)));
    return *controls.back();
}

Control* Panel::find(const QString& name) const
{
    for (const auto& control : controls)
        if (control->name == name)
            return control.get();
    return nullptr;
}

Control* Panel::hitTest(float x, float y) const
{
    if (!contains(x, y))
        return nullptr;
    auto takes = [x, y](const Control* c) {
        return c && c->Visible && c->takesMouse() && c->boxContains(x, y);
    };
    if (takes(topmost))
        return topmost;
    for (const auto& control : controls)
        if (control.get() != topmost && takes(control.get()))
            return control.get();
    return nullptr;
}
