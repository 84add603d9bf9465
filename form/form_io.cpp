#include "form/form_io.h"

#include "form/decimal_text.h"
#include "form/figure_descriptions.h"
#include "form/form.h"
#include "form/typing_limits.h"

#include <cstring>

namespace {

int ownWrites;

}  // namespace

OwnWrite::OwnWrite()
{
    ++ownWrites;
}

OwnWrite::~OwnWrite()
{
    --ownWrites;
}

bool isOwnWrite()
{
    return ownWrites > 0;
}

std::int32_t readCell(ControlId id)
{
    char text[amountCellLimit + 1] = {};
    const LRESULT copied = SendMessageA(controlWindow(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return cellValue(text, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void writeCell(ControlId id, std::int32_t value)
{
    char text[cellTextSize];
    formatCellValue(value, text);
    // WM_SETTEXT puts the caret at the start and empties the undo even when
    // the text stays the same: a cell just clicked into would lose its caret.
    const HWND cell = controlWindow(id);
    char shown[cellTextSize + 1] = {};
    SendMessageA(cell, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    if (std::strcmp(shown, text) == 0)
        return;
    {
        const OwnWrite own;
        SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Typing goes on after the number ("015" rewritten "15", then 000, gives
    // 15000), and a "0" where the clerk had emptied the cell is replaced. The
    // cell with the focus is the one remembered as the focus arrived.
    if (cell == rememberedFocus()) {
        const WPARAM end = std::strlen(text);
        SendMessageA(cell, EM_SETSEL, shown[0] ? end : 0, end);
        // A screen reader in a result cell hears that its explanation changed too.
        if (!isInputCell(id))
            figureDescriptionChanged(cell);
    }
}

bool isChecked(ControlId button)
{
    return SendMessageA(controlWindow(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
