#pragma once

// The floors gensen is measured against: a window of its class settings,
// size and title made by bare platform calls, and the same window holding the
// form's 42 controls (and the cells' 19 hidden name labels) made by bare calls, with nothing of gensen's behaviour.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <oleacc.h>

#include "form/control_tables.h"
#include "form/wide_text.h"

inline LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline HWND createBareWindow(HINSTANCE instance)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = bareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = L"BAREWNDCLASS";
    RegisterClassExW(&windowClass);
    wchar_t title[16];
    widen("源泉徴収税額", title);
    return CreateWindowExW(0, L"BAREWNDCLASS", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 550, 365,
                           nullptr, nullptr, instance, nullptr);
}

// The form's controls by id, as made by buildBareForm.
inline HWND bareControls[lastButton + 1];

inline HWND bareOwnerOf(const ControlRow& row, HWND window)
{
    return row.parent ? bareControls[row.parent] : window;
}

inline HWND bareOwnerOf(const CellRow&, HWND window)
{
    return window;
}

// A cell comes right after its hidden name label, as in gensen.
inline void createBareName(const ControlRow&, HINSTANCE, HWND) {}

inline void createBareName(const CellRow& row, HINSTANCE instance, HWND window)
{
    char name[cellNameSize];
    cellName(row, name);
    wchar_t wide[cellNameSize];
    widen(name, wide);
    CreateWindowExW(0, L"STATIC", wide, cellNameStyle, row.x, row.y, row.width, row.height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id + cellNameOffset)), instance, nullptr);
}

template <typename Row, std::size_t N>
void createBareRows(const Row (&rows)[N], const wchar_t* className, DWORD exStyle, HINSTANCE instance, HWND window)
{
    for (const Row& row : rows) {
        createBareName(row, instance, window);
        wchar_t text[cellNameSize];
        widen(row.text ? row.text : "", text);
        bareControls[row.id] =
            CreateWindowExW(exStyle, className, text, row.style, row.x, row.y, row.width, row.height,
                            bareOwnerOf(row, window), reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance,
                            nullptr);
    }
    for (const Row& row : rows)
        SendMessageA(bareControls[row.id], WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
}

// An annotation server that knows nothing: the platform's own cost of
// gensen's calls, without its texts.
struct BareServer final : IAccPropServer {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown || iid == IID_IAccPropServer ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT* value, BOOL* has) override
    {
        VariantInit(value);
        *has = FALSE;
        return S_OK;
    }
};
inline BareServer bareServer;

// gensen's two tooltips, a tool per result cell in each, and its annotation
// calls for the result cells, by bare platform calls.
inline void addBareTipsAndAnnotations(HINSTANCE instance, HWND window)
{
    for (UINT flags : {0u, static_cast<UINT>(TTF_TRACK | TTF_ABSOLUTE)}) {
        const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                         instance, nullptr);
        for (const CellRow& row : cells) {
            if (row.style != resultStyle)
                continue;
            TTTOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | flags;
            tool.hwnd = window;
            tool.uId = reinterpret_cast<UINT_PTR>(bareControls[row.id]);
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 360);
        SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30'000);
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    const MSAAPROPID described[] = {PROPID_ACC_DESCRIPTION, PROPID_ACC_HELP};
    for (const CellRow& row : cells)
        if (row.style == resultStyle)
            services->SetHwndPropServer(bareControls[row.id], OBJID_CLIENT, CHILDID_SELF, described, 2, &bareServer,
                                        ANNO_THIS);
}

// The same controls, classes (version 6, as the manifest asks), texts,
// styles, fonts and creation order as gensen's, the input method kept out of
// the cells one types in, and its tooltips and annotations.
inline void buildBareForm(HINSTANCE instance, HWND window)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    createBareRows(labels, L"STATIC", 0, instance, window);
    createBareRows(cells, L"EDIT", WS_EX_CLIENTEDGE, instance, window);
    createBareRows(buttons, L"BUTTON", 0, instance, window);
    for (const CellRow& row : cells)
        if (row.style == inputStyle)
            ImmAssociateContextEx(bareControls[row.id], nullptr, 0);
    addBareTipsAndAnnotations(instance, window);
}

// buildControls, when given, fills the window before it is shown.
inline int runBareWindow(HINSTANCE instance, int showCommand, void (*buildControls)(HINSTANCE, HWND))
{
    const HWND window = createBareWindow(instance);
    if (buildControls)
        buildControls(instance, window);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
