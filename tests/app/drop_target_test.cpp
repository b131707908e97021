// The drop target, driven as OLE drives it during a drag: DragEnter,
// DragOver and Drop with a hand-made data object (a real drag cannot be
// made on a bare X display).
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "../wingui/test_window.h"
#include "box_drop.h"
#include "dialog_answer.h"
#include "drop_target.h"
#include "gbk_codec.h"
#include "program_folder.h"

namespace {

// Offers fixed HGLOBAL blocks, one per format.
class FakeDataObject : public IDataObject {
public:
    void Add(CLIPFORMAT format, std::string bytes) { entries_.push_back({format, std::move(bytes)}); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const Entry* entry = Find(format);
        if (!entry) return DV_E_FORMATETC;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, entry->bytes.size());
        std::memcpy(GlobalLock(memory), entry->bytes.data(), entry->bytes.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        ++handedOut_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override { return Find(format) ? S_OK : DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    int HandedOut() const { return handedOut_; }

private:
    struct Entry {
        CLIPFORMAT format;
        std::string bytes;
    };
    const Entry* Find(const FORMATETC* format) const {
        if (!format || !(format->tymed & TYMED_HGLOBAL)) return nullptr;
        for (const Entry& entry : entries_)
            if (entry.format == format->cfFormat) return &entry;
        return nullptr;
    }
    std::vector<Entry> entries_;
    int handedOut_ = 0;
};

struct RecordingSink : DropSink {
    void OnTextDropped(const std::string& gbk) override { calls.push_back("text " + gbk); }
    void OnFileDropped(const std::wstring& path, const std::string& gbk, bool whole) override {
        calls.push_back((whole ? "file " : "part of file ") + gbk);
        paths.push_back(path);
    }
    void OnFileUnreadable(const std::wstring& path) override {
        calls.push_back("unreadable");
        paths.push_back(path);
    }
    std::vector<std::string> calls;
    std::vector<std::wstring> paths;
};

std::string WideBytes(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

// A CF_HDROP block: DROPFILES, then the names each with its NUL, then one more NUL.
std::string FileList(const std::vector<std::wstring>& paths, bool wide = true) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = wide;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::wstring& path : paths) {
        if (wide) {
            block += WideBytes(path);
        } else {
            block += std::string(path.begin(), path.end());  // ASCII names only
            block += '\0';
        }
    }
    block += wide ? std::string(2, '\0') : std::string(1, '\0');
    return block;
}

CLIPFORMAT Format(const wchar_t* name) { return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name)); }

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ole_.Ok()); }

    OleSession ole_;
    ProgramFolder folder_;
};

TEST_F(DropTargetTest, DropHandsOverTextOrTheFirstFileAndIgnoresHtmlAndLinks) {
    const std::wstring file = folder_.Path() + L"\\数值.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(file, "1+2\r\n3×4\x1A" "after the end mark"));
    const std::wstring asciiFile = folder_.Path() + L"\\plain.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(asciiFile, std::string("7÷2\0tail", 9)));
    const std::wstring whole = folder_.Path() + L"\\whole.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(whole, "1×2\r\n"));
    // A byte that is no GBK character: the box would give back "?" and lose the CR.
    const std::wstring notGbk = folder_.Path() + L"\\bytes.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(notGbk, "1\x80\r\n2"));
    const std::wstring empty = folder_.Path() + L"\\empty.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(empty, ""));
    const std::wstring missing = folder_.Path() + L"\\missing.txt";

    // CF_TEXT holds the system's code page: "×" is D7 under 1252, A1 C1 under 936.
    char ansiTimes[8] = {};
    WideCharToMultiByte(CP_ACP, 0, L"6\u00D77", -1, ansiTimes, sizeof ansiTimes, nullptr, nullptr);

    struct Case {
        const char* name;
        std::vector<std::pair<CLIPFORMAT, std::string>> offered;
        DWORD allowed;
        DWORD entered;  // the effect DragEnter and DragOver report
        DWORD dropped;
        std::vector<std::string> calls;
        std::vector<std::wstring> paths;
    };
    const Case cases[] = {
        {"unicode text", {{CF_UNICODETEXT, WideBytes(L"1+2\u00D73\r\n\u03C0")}},
         DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_COPY, {"text 1+2×3\r\nπ"}, {}},
        {"ansi text", {{CF_TEXT, std::string(ansiTimes) + '\0'}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"text 6×7"}, {}},
        {"unicode preferred", {{CF_TEXT, std::string("ansi") + '\0'}, {CF_UNICODETEXT, WideBytes(L"wide")}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"text wide"}, {}},
        {"text without terminator", {{CF_UNICODETEXT, std::string("4\0" "2\0", 4)}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"text 42"}, {}},
        {"file up to the end mark", {{CF_HDROP, FileList({file})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"part of file 1+2\r\n3×4"}, {file}},
        {"first of two files, ansi list", {{CF_HDROP, FileList({asciiFile, file}, false)}},
         DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_COPY, DROPEFFECT_COPY, {"part of file 7÷2"}, {asciiFile}},
        {"empty file", {{CF_HDROP, FileList({empty})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"file "}, {empty}},
        {"files before text", {{CF_UNICODETEXT, WideBytes(L"text")}, {CF_HDROP, FileList({whole})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"file 1×2\r\n"}, {whole}},
        {"file with bytes that are not GBK", {{CF_HDROP, FileList({notGbk})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, {"part of file 1\x80\r\n2"}, {notGbk}},
        {"missing file", {{CF_HDROP, FileList({missing})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_NONE, {"unreadable"}, {missing}},
        {"a folder", {{CF_HDROP, FileList({folder_.Path()})}},
         DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_NONE, {"unreadable"}, {folder_.Path()}},
        {"html beside text", {{CF_UNICODETEXT, WideBytes(L"1+2")}, {Format(L"HTML Format"), "<b>1+2</b>"}},
         DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
        {"html only", {{Format(L"HTML Format"), "<b>1+2</b>"}},
         DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
        {"link", {{CF_UNICODETEXT, WideBytes(L"http://x/")}, {Format(L"UniformResourceLocatorW"), WideBytes(L"http://x/")}},
         DROPEFFECT_COPY | DROPEFFECT_LINK, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
        {"ansi link", {{CF_TEXT, std::string("http://x/") + '\0'}, {Format(L"UniformResourceLocator"), std::string("http://x/") + '\0'}},
         DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
        {"nothing usable", {{CF_BITMAP, "pixels"}},
         DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
        // A move would let the source delete what it gave away.
        {"move only", {{CF_UNICODETEXT, WideBytes(L"1")}},
         DROPEFFECT_MOVE, DROPEFFECT_NONE, DROPEFFECT_NONE, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDataObject data;
        for (const auto& [format, bytes] : c.offered) data.Add(format, bytes);
        RecordingSink sink;
        DropTarget* target = DropTarget::Create(sink);
        const POINTL at = {10, 10};

        DWORD effect = c.allowed;
        EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, at, &effect), S_OK);
        EXPECT_EQ(effect, c.entered);
        effect = c.allowed;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, at, &effect), S_OK);
        EXPECT_EQ(effect, c.entered);
        EXPECT_TRUE(sink.calls.empty());  // only the drop itself reads anything

        effect = c.allowed;
        EXPECT_EQ(target->Drop(&data, 0, at, &effect), S_OK);
        EXPECT_EQ(effect, c.dropped);
        EXPECT_EQ(sink.calls, c.calls);
        EXPECT_EQ(sink.paths, c.paths);
        EXPECT_EQ(target->Release(), 0u);
    }
}

// The main window's drop says why a file was not taken whole: an unreadable
// file as 打开 does, a file shown in part with a warning after its text.
TEST_F(DropTargetTest, TheBoxsDropSaysWhenAFileIsUnreadableOrShownInPart) {
    const std::wstring whole = folder_.Path() + L"\\whole.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(whole, "1×2\r\n"));
    const std::wstring cut = folder_.Path() + L"\\cut.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(cut, std::string("1+2\r\n\0tail", 10)));
    const std::wstring locked = folder_.Path() + L"\\locked.txt";
    ASSERT_TRUE(ProgramFolder::WriteBytes(locked, "3"));
    const HANDLE held = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::wstring huge = folder_.FileOverTheReadLimit(L"huge.txt");
    ASSERT_FALSE(huge.empty());

    TestWindow window;
    EditBoxAdapter box(window.AddBox());
    BoxDrop sink(box, window.Handle());
    const struct {
        const char* name;
        std::wstring file;
        std::string text;                  // the box's text afterwards
        const char* message;               // nullptr: no message box
        const char* caption;
        const wchar_t* icon;
    } cases[] = {
        {"whole", whole, "1×2\r\n", nullptr, nullptr, nullptr},
        {"shown in part", cut, "1+2\r\n", kDroppedInPartWarning, kFileWarningCaption, IDI_WARNING},
        {"held by another program", locked, "kept", kOpenFailed, kFileErrorCaption, IDI_ERROR},
        {"over the size limit", huge, "kept", kOpenFailed, kFileErrorCaption, IDI_ERROR},
        {"missing", folder_.Path() + L"\\missing.txt", "kept", kOpenFailed, kFileErrorCaption, IDI_ERROR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        box.SetText("kept");
        FakeDataObject data;
        data.Add(CF_HDROP, FileList({c.file}));
        DropTarget* target = DropTarget::Create(sink);
        MessageBoxAnswer answer(IDOK);
        DWORD effect = DROPEFFECT_COPY;
        target->DragEnter(&data, MK_LBUTTON, {0, 0}, &effect);
        target->Drop(&data, 0, {0, 0}, &effect);
        target->Release();
        EXPECT_EQ(box.Text(), c.text);
        EXPECT_EQ(answer.seen, c.message != nullptr);
        if (!c.message) continue;
        EXPECT_EQ(answer.text, GbkToWide(c.message));
        EXPECT_EQ(answer.caption, GbkToWide(c.caption));
        EXPECT_EQ(answer.icon, LoadIconW(nullptr, c.icon));
    }
    CloseHandle(held);
}

TEST_F(DropTargetTest, LeavingEndsTheOfferedEffect) {
    FakeDataObject data;
    data.Add(CF_UNICODETEXT, WideBytes(L"1"));
    RecordingSink sink;
    DropTarget* target = DropTarget::Create(sink);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(&data, MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(target->DragLeave(), S_OK);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_EQ(data.HandedOut(), 0);
    target->Release();
}

TEST_F(DropTargetTest, RegistrationServesDropsUntilRevoked) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"drop", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    RecordingSink sink;
    {
        DropTargetRegistration registration;
        ASSERT_EQ(registration.Register(window, sink), S_OK);
        ASSERT_NE(registration.Target(), nullptr);
        EXPECT_EQ(RegisterDragDrop(window, registration.Target()), DRAGDROP_E_ALREADYREGISTERED);

        FakeDataObject data;
        data.Add(CF_UNICODETEXT, WideBytes(L"5-1"));
        DWORD effect = DROPEFFECT_COPY;
        registration.Target()->DragEnter(&data, MK_LBUTTON, {0, 0}, &effect);
        registration.Target()->Drop(&data, 0, {0, 0}, &effect);
        EXPECT_EQ(sink.calls, std::vector<std::string>{"text 5-1"});

        // Registering again replaces the registration.
        EXPECT_EQ(registration.Register(window, sink), S_OK);
        registration.Revoke();
        EXPECT_EQ(registration.Target(), nullptr);
        EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);
        EXPECT_EQ(registration.Register(window, sink), S_OK);
    }
    // The destructor revoked it.
    EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);
    DestroyWindow(window);
}

}  // namespace
