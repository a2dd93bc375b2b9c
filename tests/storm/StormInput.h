#pragma once

#include "storm/StormEvent.h"

class QWidget;

// Performs storm events the way the platform delivers real input: mouse events enter through
// the window (or the open popup list), so Qt routes them to the control under the point,
// grabs, double clicks and popups included; keys go where the keyboard focus is.
namespace stormInput {

void perform(const StormEvent& event, QWidget* window);

// Where a key typed now would go: the open popup list, the focused control or the window.
QWidget* keyTarget(QWidget* window);

// Types `text` one character at a time into `target`.
void type(QWidget* target, const QString& text);

// Lets what the event started finish: pending repaints and deferred calls.
void settle();

} // namespace stormInput
