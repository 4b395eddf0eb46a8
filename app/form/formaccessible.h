#pragma once

// Screen readers see the panel's controls that carry an accessible role as the window's
// children; the controls are data, so they get interfaces of their own. Each can be
// pressed through its action, which does what a left click on it does. The interfaces follow
// the view's changes through its signals, and cost nothing while no screen reader listens.
// Call once, before any window is shown.
void installFormAccessibility();
