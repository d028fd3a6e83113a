// Behaviour added to standard controls by subclassing them.
#pragma once

#include <windows.h>

// A group box is the parent of the controls inside it, so their notifications,
// colour requests and owner-drawing requests reach the group box first; this
// passes them on to the window that handles them. The group box also fills
// its inside with its background colour.
void ForwardChildMessages(HWND groupBox, HWND handler);

// The edit field lets through typed control characters (codes below 32),
// digits and '-' and silently drops every other typed character. Pasted text
// does not arrive as typed characters and is left alone.
void AcceptDigitsAndMinusOnly(HWND edit);

// The rule above for one character code (a byte of the ANSI code page).
bool IsAcceptedNumberChar(WPARAM code);
