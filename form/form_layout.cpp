// The routines that build, dress and tear down the form's controls.
#include "form/form.h"

#include "form/control_tables.h"
#include "form/form_io.h"
#include "form/input_cell.h"
#include "form/subclass.h"
#include "form/wide_text.h"

#include <imm.h>

#include <iterator>

namespace {

constexpr ControlId initiallyChecked[] = {age40Check, kouRadio, employmentInsuredCheck, categoryARadio};

// One handle per control, by id; set at creation and never cleared.
HWND labelWindows[lastLabel - firstLabel + 1];
HWND cellWindows[lastCell - firstCell + 1];
HWND cellNameWindows[lastCellName - firstCellName + 1];
HWND buttonWindows[lastButton - firstButton + 1];

// Each table lists every id of its kind once, in id order, which is the order of creation.
template <typename Row, std::size_t N>
constexpr bool everyIdInOrder(const Row (&rows)[N], int first)
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

// A control at a row's place, its id as the child-window id: the one place
// where the form's texts reach the platform, in UTF-16.
template <typename Row>
HWND createAt(const Row& row, int id, DWORD exStyle, const wchar_t* className, const char* text, DWORD style,
              HWND owner, HINSTANCE instance)
{
    wchar_t wide[cellNameSize];
    widen(text ? text : "", wide);
    return CreateWindowExW(exStyle, className, wide, style, row.x, row.y, row.width, row.height, owner,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

template <std::size_t N>
void createRows(const ControlRow (&rows)[N], const wchar_t* className, HINSTANCE instance, HWND parent)
{
    for (const ControlRow& row : rows)
        handleSlot(row.id) = createAt(row, row.id, 0, className, row.text, row.style,
                                      row.parent ? controlWindow(row.parent) : parent, instance);
}

template <std::size_t N>
void setFonts(HWND (&windows)[N])
{
    // Stock objects need no freeing, so fetching it for each control costs nothing.
    for (HWND window : windows)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

// The check boxes and radio buttons report their clicks to their group box;
// the main window must hear of them, since every change recomputes.
LRESULT CALLBACK groupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return SendMessageA(GetParent(box), WM_COMMAND, wParam, lParam);
    return callPlatform(box, message, wParam, lParam);
}

template <std::size_t N>
void destroyAll(HWND (&windows)[N])
{
    // Group boxes take their check boxes and radio buttons with them; the
    // later calls on those find them gone and do nothing.
    for (HWND window : windows)
        DestroyWindow(window);
}

template <typename Row, std::size_t N>
bool hasStyle(const Row (&rows)[N], int id, DWORD style)
{
    for (const Row& row : rows)
        if (row.id == id)
            return row.style == style;
    return false;
}

}  // namespace

HWND controlWindow(ControlId id)
{
    return handleSlot(id);
}

bool isInputCell(int id)
{
    return hasStyle(cells, id, inputStyle);
}

bool isOption(int id)
{
    return hasStyle(buttons, id, checkStyle) || hasStyle(buttons, id, radioStyle);
}

void createLabels(HINSTANCE instance, HWND parent)
{
    createRows(labels, L"STATIC", instance, parent);
}

void setLabelFonts()
{
    setFonts(labelWindows);
}

// Each cell comes right after its hidden name label, so that the label
// stands just before it among its siblings, where screen readers look.
void createCells(HINSTANCE instance, HWND parent)
{
    for (const CellRow& row : cells) {
        char name[cellNameSize];
        cellName(row, name);
        cellNameWindows[row.id - firstCell] =
            createAt(row, row.id + cellNameOffset, 0, L"STATIC", name, cellNameStyle, parent, instance);
        handleSlot(row.id) = createAt(row, row.id, WS_EX_CLIENTEDGE, L"EDIT", row.text, row.style, parent, instance);
    }
}

void setCellFonts()
{
    setFonts(cellWindows);
}

void createButtons(HINSTANCE instance, HWND parent)
{
    createRows(buttons, L"BUTTON", instance, parent);
    for (ControlId box : {taxGroupBox, employmentGroupBox})
        subclass(controlWindow(box), groupBoxProc);
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
    // characters that no cell reads as a number (the whole thread has none
    // either, where the program starts it); and the form's own rules.
    for (const CellRow& row : cells) {
        const HWND cell = controlWindow(row.id);
        if (row.style != inputStyle) {
            adoptResultCell(cell);
            continue;
        }
        SendMessageA(cell, EM_LIMITTEXT, row.limit, 0);
        ImmAssociateContextEx(cell, nullptr, 0);
        adoptInputCell(cell);
    }
    const OwnWrite own;
    for (HWND cell : cellWindows)
        SendMessageA(cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
}

void destroyLabels()
{
    destroyAll(labelWindows);
}

void destroyCells()
{
    destroyAll(cellNameWindows);
    destroyAll(cellWindows);
}

void destroyButtons()
{
    destroyAll(buttonWindows);
}
