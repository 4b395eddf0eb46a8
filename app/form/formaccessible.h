#pragma once

class FormView;
class QObject;
class QAccessibleInterface;
class QString;

// Screen readers see the panel's controls that carry an accessible role as the window's
// children; the controls are data, so they get interfaces of their own. Each can be
// pressed through its action, which does what a left click on it does.
QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object);

// After an input was handled: tells screen readers whose checked state or description
// changed. Costs nothing while no screen reader listens.
void announceAccessibleChanges(FormView& view);
// Tells screen readers which control the keyboard focus is on now.
void announceFocus(FormView& view);
// Drops the interfaces of the window and of its controls. Qt would drop them only once
// the window is gone, after its controls; the window calls this while they still exist.
void releaseAccessibleInterfaces(FormView& view);
