#pragma once

class QObject;
class QAccessibleInterface;
class QString;

// Screen readers see the panel's controls that carry an accessible role as the window's
// children; the controls are data, so they get interfaces of their own.
QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object);
