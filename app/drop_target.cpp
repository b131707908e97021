#include "drop_target.h"

#include <shellapi.h>

#include <cstring>
#include <cwchar>
#include <new>

#include "file_io.h"
#include "gbk_codec.h"
#include "program_files.h"
#include "text_file.h"

namespace {

FORMATETC HGlobalFormat(CLIPFORMAT format) {
    FORMATETC wanted = {};
    wanted.cfFormat = format;
    wanted.dwAspect = DVASPECT_CONTENT;
    wanted.lindex = -1;
    wanted.tymed = TYMED_HGLOBAL;
    return wanted;
}

bool Offers(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = HGlobalFormat(format);
    return format != 0 && data->QueryGetData(&wanted) == S_OK;
}

CLIPFORMAT Registered(const wchar_t* name) { return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name)); }

// Browsers offer plain text beside these; such a drop is a page fragment
// or a link, not a calculation.
bool OffersHtmlOrLink(IDataObject* data) {
    static const CLIPFORMAT kFormats[] = {
        Registered(L"HTML Format"),
        Registered(L"text/html"),
        Registered(L"UniformResourceLocator"),
        Registered(L"UniformResourceLocatorW"),
        Registered(L"text/x-moz-url"),
    };
    for (CLIPFORMAT format : kFormats) {
        if (Offers(data, format)) return true;
    }
    return false;
}

// The data of one HGLOBAL format, released at the end of its scope.
class GlobalData {
public:
    GlobalData(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = HGlobalFormat(format);
        if (data->GetData(&wanted, &medium_) != S_OK) return;
        held_ = true;
        if (medium_.tymed != TYMED_HGLOBAL || !medium_.hGlobal) return;
        bytes_ = static_cast<const char*>(GlobalLock(medium_.hGlobal));
        if (bytes_) size_ = GlobalSize(medium_.hGlobal);
    }
    ~GlobalData() {
        if (bytes_) GlobalUnlock(medium_.hGlobal);
        if (held_) ReleaseStgMedium(&medium_);
    }
    GlobalData(const GlobalData&) = delete;
    GlobalData& operator=(const GlobalData&) = delete;

    const char* Bytes() const { return bytes_; }
    SIZE_T Size() const { return size_; }
    HGLOBAL Handle() const { return bytes_ ? medium_.hGlobal : nullptr; }

private:
    STGMEDIUM medium_ = {};
    bool held_ = false;
    const char* bytes_ = nullptr;
    SIZE_T size_ = 0;
};

// The text up to its terminator; a block without one is taken whole.
bool DroppedText(IDataObject* data, std::string& gbk) {
    {
        GlobalData unicode(data, CF_UNICODETEXT);
        if (unicode.Bytes()) {
            const auto* units = reinterpret_cast<const wchar_t*>(unicode.Bytes());
            gbk = WideToGbk(std::wstring(units, wcsnlen(units, unicode.Size() / sizeof(wchar_t))));
            return true;
        }
    }
    GlobalData ansi(data, CF_TEXT);
    if (!ansi.Bytes()) return false;
    const std::string bytes(ansi.Bytes(), strnlen(ansi.Bytes(), ansi.Size()));
    // CF_TEXT is in the system's code page, which need not be GBK.
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (units > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), units);
    gbk = WideToGbk(wide);
    return true;
}

bool FirstDroppedFile(IDataObject* data, std::wstring& path) {
    GlobalData files(data, CF_HDROP);
    if (!files.Handle()) return false;
    const auto drop = static_cast<HDROP>(files.Handle());
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return false;
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    path.assign(length + 1, L'\0');
    DragQueryFileW(drop, 0, path.data(), length + 1);
    path.resize(length);
    return true;
}

// Never a move: the source would delete the text or file it gave away.
DWORD EffectFor(DropKind kind, DWORD allowed) {
    return kind != DropKind::None && (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

}  // namespace

DropKind DropKindOf(IDataObject* data) {
    if (!data) return DropKind::None;
    if (Offers(data, CF_HDROP)) return DropKind::Files;
    if (OffersHtmlOrLink(data)) return DropKind::None;
    if (Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT)) return DropKind::Text;
    return DropKind::None;
}

DropTarget* DropTarget::Create(DropSink& sink) { return new DropTarget(sink); }

HRESULT STDMETHODCALLTYPE DropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE DropTarget::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    entered_ = DropKindOf(data);
    *effect = EffectFor(entered_, *effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect = EffectFor(entered_, *effect);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave() {
    entered_ = DropKind::None;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    // No exception may leave a COM call; a text too large for memory is
    // dropped as if it could not be read, the box left as it was.
    try {
        return DropData(data, effect);
    } catch (const std::bad_alloc&) {
        *effect = DROPEFFECT_NONE;
        return E_OUTOFMEMORY;
    }
}

HRESULT DropTarget::DropData(IDataObject* data, DWORD* effect) {
    entered_ = DropKind::None;
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    const DropKind kind = DropKindOf(data);
    if (EffectFor(kind, allowed) == DROPEFFECT_NONE) return S_OK;

    if (kind == DropKind::Files) {
        std::wstring path;
        if (!FirstDroppedFile(data, path)) return S_OK;
        // Read whole before the box is touched: a failed read changes nothing.
        const ReadResult file = ReadWholeFile(path, programfiles::kLargestReadableFile);
        if (file.Outcome != ReadOutcome::Ok) {
            sink_.OnFileUnreadable(path);
            return S_OK;
        }
        *effect = DROPEFFECT_COPY;
        const FileText shown = TextOfFile(file.Bytes, GbkThroughWide);
        sink_.OnFileDropped(path, shown.Text, shown.Whole);
        return S_OK;
    }
    std::string text;
    if (!DroppedText(data, text)) return S_OK;
    *effect = DROPEFFECT_COPY;
    sink_.OnTextDropped(text);
    return S_OK;
}

HRESULT DropTargetRegistration::Register(HWND window, DropSink& sink) {
    Revoke();
    DropTarget* target = DropTarget::Create(sink);
    const HRESULT result = RegisterDragDrop(window, target);
    if (FAILED(result)) {
        target->Release();
        return result;
    }
    window_ = window;
    target_ = target;
    return result;
}

void DropTargetRegistration::Revoke() {
    if (!target_) return;
    RevokeDragDrop(window_);
    target_->Release();
    target_ = nullptr;
    window_ = nullptr;
}
