// The main window's OLE drop target: plain text, or the first of a list of
// files, dropped onto the window. Text offered as HTML or as a link is
// ignored. What to do with a drop is left to a DropSink.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

class DropSink {
public:
    virtual ~DropSink() = default;
    // Dropped plain text, in GBK.
    virtual void OnTextDropped(const std::string& gbk) = 0;
    // The first dropped file, read whole: its bytes up to the first NUL or
    // 0x1A, taken as GBK text; not `whole` when that is not the file byte
    // for byte as the box would keep it (TextOfFile).
    virtual void OnFileDropped(const std::wstring& path, const std::string& gbk, bool whole) = 0;
    // The first dropped file could not be read; the box stays as it was.
    virtual void OnFileUnreadable(const std::wstring& path) { (void)path; }
};

// What a drop of `data` would hand over.
enum class DropKind { None, Text, Files };
DropKind DropKindOf(IDataObject* data);

class DropTarget final : public IDropTarget {
public:
    // With one reference, which the caller releases.
    static DropTarget* Create(DropSink& sink);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    HRESULT DropData(IDataObject* data, DWORD* effect);
    explicit DropTarget(DropSink& sink) : sink_(sink) {}
    ~DropTarget() = default;

    LONG references_ = 1;
    DropSink& sink_;
    DropKind entered_ = DropKind::None;
};

// OleInitialize for the lifetime of the object, on the window's thread:
// RegisterDragDrop needs it.
class OleSession {
public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

    bool Ok() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

// A window's registration as a drop target. Revoke before the window is
// destroyed (WM_DESTROY): a registration left on a dead window leaks the
// target. The sink must outlive the registration.
class DropTargetRegistration {
public:
    DropTargetRegistration() = default;
    ~DropTargetRegistration() { Revoke(); }
    DropTargetRegistration(const DropTargetRegistration&) = delete;
    DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;

    HRESULT Register(HWND window, DropSink& sink);
    void Revoke();
    // The registered target, or nullptr: a drag cannot be made in a test,
    // so tests call this object's methods directly.
    IDropTarget* Target() const { return target_; }

private:
    HWND window_ = nullptr;
    DropTarget* target_ = nullptr;
};
