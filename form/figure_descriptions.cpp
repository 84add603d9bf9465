// The result cells' accessible descriptions: one annotation server a cell,
// each knowing its cell, so that answering needs no identity string decoded.
#include "form/figure_descriptions.h"

#include "form/control_tables.h"
#include "form/form.h"
#include "form/wide_text.h"

#include <oleacc.h>

#include <iterator>

namespace {

const MSAAPROPID described[] = {PROPID_ACC_DESCRIPTION, PROPID_ACC_HELP};

class FigureDescription final : public IAccPropServer {
public:
    ControlId cell = ControlId{};

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IAccPropServer) {
            *object = static_cast<IAccPropServer*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as the program: nothing to count.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE*, DWORD, MSAAPROPID property, VARIANT* value,
                                           BOOL* has) override
    {
        VariantInit(value);
        *has = FALSE;
        if (property != PROPID_ACC_DESCRIPTION && property != PROPID_ACC_HELP)
            return S_OK;
        char text[explanationSize];
        explainCell(cell, text);
        static wchar_t wide[explanationSize];
        widen(text, wide);
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocString(wide);
        *has = value->bstrVal != nullptr;
        return S_OK;
    }
};

FigureDescription servers[lastCell - firstCell + 1];
IAccPropServices* services;
bool comStarted;

}  // namespace

void attachFigureDescriptions()
{
    // S_FALSE, already started on this thread, is balanced all the same.
    comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    for (const CellRow& row : cells)
        servers[row.id - firstCell].cell = row.id;
    if (!comStarted || FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                               IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        services = nullptr;
    if (!services)
        return;
    for (const CellRow& row : cells)
        if (row.style == resultStyle)
            services->SetHwndPropServer(controlWindow(row.id), OBJID_CLIENT, CHILDID_SELF, described,
                                        static_cast<int>(std::size(described)), &servers[row.id - firstCell],
                                        ANNO_THIS);
}

void detachFigureDescriptions()
{
    if (services) {
        for (const CellRow& row : cells)
            if (row.style == resultStyle)
                services->ClearHwndProps(controlWindow(row.id), OBJID_CLIENT, CHILDID_SELF, described,
                                         static_cast<int>(std::size(described)));
        services->Release();
        services = nullptr;
    }
    if (comStarted)
        CoUninitialize();
    comStarted = false;
}

void figureDescriptionChanged(HWND cell)
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, cell, OBJID_CLIENT, CHILDID_SELF);
}

IAccPropServer* figureDescriptionServer(ControlId cell)
{
    return &servers[cell - firstCell];
}
