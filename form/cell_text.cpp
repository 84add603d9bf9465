#include "form/cell_text.h"

#include "form/cell_value.h"
#include "form/form.h"

namespace {

std::int32_t readCellText(ControlId id, std::size_t characters)
{
    char text[cellTextSize] = {};
    const LRESULT copied =
        SendMessageA(controlWindow(id), WM_GETTEXT, characters + 1, reinterpret_cast<LPARAM>(text));
    return cellValue(text, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

}  // namespace

std::int32_t readCell(ControlId id)
{
    return readCellText(id, 8);
}

std::int32_t readWholeCell(ControlId id)
{
    return readCellText(id, cellTextSize - 1);
}

void writeCell(ControlId id, std::int32_t value)
{
    char text[cellTextSize];
    formatCellValue(value, text);
    SendMessageA(controlWindow(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool isChecked(HWND button)
{
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
