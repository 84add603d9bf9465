// The routines that build, dress and tear down the form's controls.
#include "form/form.h"

#include "form/control_tables.h"
#include "form/input_cell.h"

#include <imm.h>

#include <iterator>

namespace {

// More than the dependents cell shows, so typing is never cut; without a
// limit, a long paste is fitted to its width one dropped character at a time.
constexpr int dependentCountLimit = 32;

constexpr ControlId initiallyChecked[] = {age40Check, kouRadio, employmentInsuredCheck, categoryARadio};

// One handle per control, by id; set at creation and never cleared.
HWND labelWindows[lastLabel - firstLabel + 1];
HWND cellWindows[lastCell - firstCell + 1];
HWND buttonWindows[lastButton - firstButton + 1];

// Each table lists every id of its kind once, in id order, which is the order of creation.
template <std::size_t N>
constexpr bool everyIdInOrder(const ControlRow (&rows)[N], int first)
{
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].id != first + static_cast<int>(i))
            return false;
    return true;
}
static_assert(everyIdInOrder(labels, firstLabel) && std::size(labels) == std::size(labelWindows));
static_assert(everyIdInOrder(cells, firstCell) && std::size(cells) == std::size(cellWindows));
static_assert(everyIdInOrder(buttons, firstButton) && std::size(buttons) == std::size(buttonWindows));

HWND& handleSlot(ControlId id)
{
    if (id >= firstButton)
        return buttonWindows[id - firstButton];
    if (id >= firstCell)
        return cellWindows[id - firstCell];
    return labelWindows[id - firstLabel];
}

void createRows(const ControlRow* begin, const ControlRow* end, const char* className, DWORD exStyle,
                HINSTANCE instance, HWND parent)
{
    for (const ControlRow* row = begin; row != end; ++row) {
        const HWND owner = row->parent ? controlWindow(row->parent) : parent;
        handleSlot(row->id) = CreateWindowExA(exStyle, className, row->text, row->style, row->x, row->y, row->width,
                                              row->height, owner,
                                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(row->id)), instance, nullptr);
    }
}

template <std::size_t N>
void setFonts(HWND (&windows)[N])
{
    // Stock objects need no freeing, so fetching it for each control costs nothing.
    for (HWND window : windows)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

// The platform's group box procedure, the same for both boxes.
WNDPROC groupBoxProcedure;

// The check boxes and radio buttons report their clicks to their group box;
// the main window must hear of them, since every change recomputes.
LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return SendMessageA(GetParent(box), WM_COMMAND, wParam, lParam);
    return CallWindowProcA(groupBoxProcedure, box, message, wParam, lParam);
}

template <std::size_t N>
void destroyAll(HWND (&windows)[N])
{
    // Group boxes take their check boxes and radio buttons with them; the
    // later calls on those find them gone and do nothing.
    for (HWND window : windows)
        DestroyWindow(window);
}

}  // namespace

HWND controlWindow(ControlId id)
{
    return handleSlot(id);
}

void createLabels(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(labels), std::end(labels), "STATIC", 0, instance, parent);
}

void setLabelFonts()
{
    setFonts(labelWindows);
}

void createCells(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(cells), std::end(cells), "EDIT", WS_EX_CLIENTEDGE, instance, parent);
}

void setCellFonts()
{
    setFonts(cellWindows);
}

void createButtons(HINSTANCE instance, HWND parent)
{
    createRows(std::begin(buttons), std::end(buttons), "BUTTON", 0, instance, parent);
    for (ControlId box : {taxGroupBox, employmentGroupBox})
        if (const LONG_PTR previous =
                SetWindowLongPtrA(controlWindow(box), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(groupBoxProc)))
            groupBoxProcedure = reinterpret_cast<WNDPROC>(previous);
}

void setButtonFonts()
{
    setFonts(buttonWindows);
}

void setInitialChecks()
{
    for (ControlId id : initiallyChecked)
        SendMessageA(controlWindow(id), BM_SETCHECK, BST_CHECKED, 0);
}

void initCells()
{
    // The cells the user types into: a typing limit; no input method, since
    // clerks keep the IME on and digits through it arrive as full-width
    // characters that no cell reads as a number; and the form's own click and
    // paste.
    for (const ControlRow& row : cells) {
        if (row.style != inputStyle)
            continue;
        const HWND cell = controlWindow(row.id);
        SendMessageA(cell, EM_LIMITTEXT, row.id == dependentCount ? dependentCountLimit : 8, 0);
        ImmAssociateContextEx(cell, nullptr, 0);
        adoptInputCell(cell);
    }
    for (HWND cell : cellWindows)
        SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
}

void destroyLabels()
{
    destroyAll(labelWindows);
}

void destroyCells()
{
    destroyAll(cellWindows);
}

void destroyButtons()
{
    destroyAll(buttonWindows);
}
