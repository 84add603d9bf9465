#pragma once

// What a screen reader hears of a result cell beside its name: how its
// figure was made, the same text as its tip, as the cell's accessible
// description and help. Composed when asked, by a dynamic annotation server
// of the program's own, so it is never stale and costs nothing on a keystroke.
#include <windows.h>

#include <oleacc.h>

#include "form/control_ids.h"

// With the form; the platform's annotation may be missing (Wine has none),
// and the form works the same without it.
void attachFigureDescriptions();
// Before the cells are destroyed.
void detachFigureDescriptions();

// The figure of the cell with the focus changed: its description did too.
void figureDescriptionChanged(HWND cell);

// The server that answers for a result cell, asked directly by the tests.
IAccPropServer* figureDescriptionServer(ControlId cell);
