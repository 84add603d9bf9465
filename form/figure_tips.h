#pragma once

// The result cells' tips, which say how each figure was made: one tooltip
// that shows when the mouse rests on a result cell, and one that a click in
// it shows just below it. Their texts are composed when they are asked for,
// from what the form shows then.
#include <windows.h>

void createFigureTips(HINSTANCE instance, HWND window);

// The result cell's mouse messages, relayed: the tips do not subclass the
// cells, whose procedure every calculation passes.
void relayToFigureTip(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's WM_NOTIFY from a tip: the text asked for, or the tip shown or gone.
LRESULT onFigureTipNotify(const NMHDR* header);

// The click that selects a result cell shows its tip below it, until the
// cell loses the focus, a key is pressed in it or the window is deactivated.
void showFigureTipAt(HWND cell);
void hideFigureTipAt();

// After the figures change: no tip stays on screen with the old ones.
void figuresChanged();
