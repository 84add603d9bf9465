// The control the clerk was last in: where the focus goes back to after
// switching windows or minimising, and where a rewrite keeps the clerk's place.
#include "form/form.h"

namespace {

HWND remembered;

}  // namespace

void rememberFocus(HWND control)
{
    remembered = control;
}

HWND rememberedFocus()
{
    return remembered;
}

// The pay first: the clerk can type it at once, over the selected "0".
void focusFirstCell()
{
    const HWND first = controlWindow(salaryTaxablePay);
    SendMessageA(first, EM_SETSEL, 0, -1);
    rememberFocus(first);
}
