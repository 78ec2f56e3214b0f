// Hand-built OLE objects of a text pane: the rich edit asks the callback for
// object storages and the in-place context. Both live in zero-initialised
// global memory and free themselves when their count reaches zero.
#include "app/panes/text_pane_ole_win.h"

#include <cstdio>
#include <new>

namespace {

// Spelled out here: not every import library carries it.
const IID kIidRichEditOleCallback = {0x00020D03, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

int LiveObjects = 0;

template <typename T>
T* NewInGlobalMemory() {
    void* memory = GlobalAlloc(GPTR, sizeof(T));
    if (!memory) return nullptr;
    ++LiveObjects;
    return new (memory) T();
}

template <typename T>
void FreeGlobalObject(T* object) {
    object->~T();
    GlobalFree(object);
    --LiveObjects;
}

class PaneInPlaceFrame final : public IOleInPlaceFrame {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleWindow) ||
            IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame)) {
            *object = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --references_;
        if (left == 0) FreeGlobalObject(this);
        return left;
    }
    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) override {
        if (active) active->AddRef();
        if (active_) active_->Release();
        active_ = active;
        return S_OK;
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS widths) override {
        if (widths)
            for (LONG& width : widths->width) width = 0;
        return S_OK;
    }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModeless(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    ~PaneInPlaceFrame() {
        if (active_) active_->Release();
    }

private:
    ULONG references_ = 1;
    IOleInPlaceActiveObject* active_ = nullptr;
};

class PaneOleCallback final : public IRichEditOleCallback {
public:
    bool Init(TextPaneRecord* record) {
        record_ = record;
        frame_ = NewInGlobalMemory<PaneInPlaceFrame>();
        return frame_ != nullptr;
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIidRichEditOleCallback)) {
            *object = static_cast<IRichEditOleCallback*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = --references_;
        if (left == 0) {
            if (frame_) frame_->Release();
            FreeGlobalObject(this);
        }
        return left;
    }

    STDMETHODIMP GetNewStorage(LPSTORAGE* storage) override {
        if (!storage) return E_INVALIDARG;
        *storage = nullptr;
        if (!record_ || !record_->storage) return E_FAIL;
        char name[32];
        snprintf(name, sizeof name, "REOBJ%ld", static_cast<long>(++record_->objectCount));
        WCHAR wide[32];
        MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 32);
        HRESULT hr = record_->storage->CreateStorage(
            wide, STGM_SHARE_EXCLUSIVE | STGM_READWRITE | STGM_CREATE, 0, 0, storage);
        return SUCCEEDED(hr) && *storage ? S_OK : E_FAIL;
    }
    STDMETHODIMP GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                   LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = frame_;
            if (frame_) frame_->AddRef();
        }
        if (document) *document = nullptr;
        if (info) {
            info->cb = sizeof(OLEINPLACEFRAMEINFO);
            info->fMDIApp = FALSE;
            info->hwndFrame = record_ && record_->window ? GetParent(record_->window) : nullptr;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP ShowContainerUI(BOOL) override { return S_OK; }
    STDMETHODIMP QueryInsertObject(LPCLSID, LPSTORAGE, LONG) override { return S_OK; }
    STDMETHODIMP DeleteObject(LPOLEOBJECT) override { return S_OK; }
    STDMETHODIMP QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) override {
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
    STDMETHODIMP GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDragDropEffect(BOOL, DWORD, LPDWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu) override {
        if (menu) *menu = nullptr;
        return S_OK;
    }

private:
    ULONG references_ = 1;
    TextPaneRecord* record_ = nullptr;
    PaneInPlaceFrame* frame_ = nullptr;
};

}  // namespace

IRichEditOleCallback* CreatePaneOleCallback(TextPaneRecord* record) {
    PaneOleCallback* callback = NewInGlobalMemory<PaneOleCallback>();
    if (!callback) return nullptr;
    if (!callback->Init(record)) {
        callback->Release();
        return nullptr;
    }
    return callback;
}

int LivePaneOleObjects() { return LiveObjects; }
