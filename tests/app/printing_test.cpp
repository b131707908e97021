// Rendering without a printer: pages drawn into enhanced metafiles, one a
// page, read back record by record; the print dialogs answered from here.
// The real print path is print_to_pdf_test.cpp.
#include "printing.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_answer.h"

namespace {

struct DrawnText {
    std::wstring Text;
    int X;
    int Y;
    bool operator==(const DrawnText& other) const { return Text == other.Text && X == other.X && Y == other.Y; }
};

struct EmfPage {
    std::vector<DrawnText> Texts;
    std::vector<LOGFONTW> Fonts;
};

EmfPage ReadPage(HENHMETAFILE metafile) {
    std::vector<BYTE> bits(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bits.size()), bits.data());
    EmfPage page;
    for (size_t at = 0; at + sizeof(EMR) <= bits.size();) {
        const auto* record = reinterpret_cast<const EMR*>(bits.data() + at);
        if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* units = reinterpret_cast<const wchar_t*>(bits.data() + at + text->emrtext.offString);
            page.Texts.push_back({std::wstring(units, text->emrtext.nChars), text->emrtext.ptlReference.x,
                                  text->emrtext.ptlReference.y});
        } else if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
            page.Fonts.push_back(reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont);
        }
        if (record->nSize == 0) break;
        at += record->nSize;
    }
    return page;
}

// Each page a metafile of its own; refuses to begin page `refuseAt` (1-based).
class MetafilePages : public PageSink {
public:
    explicit MetafilePages(int refuseAt = 0) : refuseAt_(refuseAt) {}
    ~MetafilePages() override {
        for (HENHMETAFILE metafile : metafiles_) DeleteEnhMetaFile(metafile);
    }
    HDC BeginPage() override {
        if (++begun == refuseAt_) return nullptr;
        dc_ = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        return dc_;
    }
    bool EndPage() override {
        metafiles_.push_back(CloseEnhMetaFile(dc_));
        return true;
    }
    std::vector<EmfPage> Pages() const {
        std::vector<EmfPage> pages;
        for (HENHMETAFILE metafile : metafiles_) pages.push_back(ReadPage(metafile));
        return pages;
    }
    int begun = 0;

private:
    int refuseAt_;
    HDC dc_ = nullptr;
    std::vector<HENHMETAFILE> metafiles_;
};

class PrintingTest : public ::testing::Test {
protected:
    PrintingTest() {
        // The line height the renderer must use: the printing font's text height.
        const HFONT font = CreatePrintFont(measure);
        const HGDIOBJ old = SelectObject(measure, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(measure, &metrics);
        textHeight = metrics.tmHeight;
        SelectObject(measure, old);
        DeleteObject(font);
    }
    ~PrintingTest() override { DeleteDC(measure); }

    int Width(const std::wstring& text) {
        const HFONT font = CreatePrintFont(measure);
        const HGDIOBJ old = SelectObject(measure, font);
        SIZE size{};
        GetTextExtentPoint32W(measure, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(measure, old);
        DeleteObject(font);
        return size.cx;
    }

    HDC measure = CreateCompatibleDC(nullptr);
    int textHeight = 0;
};

TEST_F(PrintingTest, PagesHoldTheLinesInsideTheAreaAtTheTextHeightPlusTwoInSongti) {
    const int step = textHeight + 2;
    ASSERT_GT(textHeight, 0);
    MetafilePages sink;
    // Room for two lines: the third, though empty, starts page 2.
    const int left = 50, top = 30;
    ASSERT_TRUE(RenderPages(measure, {left, top, 2000, top + step + textHeight}, "1×2\r\n\r\n3\n4", sink));
    const std::vector<EmfPage> pages = sink.Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].Texts, (std::vector<DrawnText>{{L"1\u00D72", left, top}}));
    EXPECT_EQ(pages[1].Texts, (std::vector<DrawnText>{{L"3", left, top}, {L"4", left, top + step}}));
    for (const EmfPage& page : pages) {
        ASSERT_EQ(page.Fonts.size(), 1u);
        EXPECT_STREQ(page.Fonts[0].lfFaceName, L"\u5B8B\u4F53");
        EXPECT_EQ(page.Fonts[0].lfWeight, FW_NORMAL);
        EXPECT_FALSE(page.Fonts[0].lfItalic);
    }
}

TEST_F(PrintingTest, AWideLineIsWrappedWholeBetweenCharactersWithinThePage) {
    std::string gbk;
    for (int i = 0; i < 40; ++i) gbk += "真";
    const std::wstring line(40, L'\u771F');
    const int pageWidth = Width(line) / 3;
    MetafilePages sink;
    ASSERT_TRUE(RenderPages(measure, {0, 0, pageWidth, 10000}, gbk, sink));
    const std::vector<EmfPage> pages = sink.Pages();
    ASSERT_EQ(pages.size(), 1u);
    std::wstring joined;
    for (size_t i = 0; i < pages[0].Texts.size(); ++i) {
        const DrawnText& piece = pages[0].Texts[i];
        EXPECT_LE(Width(piece.Text), pageWidth) << i;
        EXPECT_EQ(piece.Y, static_cast<int>(i) * (textHeight + 2)) << i;
        joined += piece.Text;
    }
    EXPECT_GE(pages[0].Texts.size(), 3u);
    EXPECT_EQ(joined, line);
}

TEST_F(PrintingTest, AnEmptyTextIsOneBlankPageAndARefusedPageStops) {
    MetafilePages empty;
    ASSERT_TRUE(RenderPages(measure, {0, 0, 2000, 2000}, "", empty));
    ASSERT_EQ(empty.Pages().size(), 1u);
    EXPECT_TRUE(empty.Pages()[0].Texts.empty());

    MetafilePages refusing(2);
    EXPECT_FALSE(RenderPages(measure, {0, 0, 2000, textHeight}, "a\r\nb\r\nc", refusing));
    EXPECT_EQ(refusing.begun, 2);
    EXPECT_EQ(refusing.Pages().size(), 1u);
}

// Closes every dialog of this thread when it is first activated, and keeps
// each one's owner.
class DialogCloser {
public:
    struct Dialog {
        HWND window;
        HWND owner;
    };
    DialogCloser() {
        dialogs_.clear();
        hook_ = SetWindowsHookExW(WH_CBT, &DialogCloser::Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogCloser() { UnhookWindowsHookEx(hook_); }
    const std::vector<Dialog>& Dialogs() const { return dialogs_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        const auto known = [window](const Dialog& dialog) { return dialog.window == window; };
        if (code == HCBT_ACTIVATE && GetClassNameW(window, className, 16) && std::wstring(className) == L"#32770" &&
            std::none_of(dialogs_.begin(), dialogs_.end(), known)) {
            dialogs_.push_back({window, GetWindow(window, GW_OWNER)});
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::vector<Dialog> dialogs_;
    HHOOK hook_ = nullptr;
};

TEST(Printing, ClosedPrintDialogOrNoPrinterPrintsNothingAndShowsNothingMore) {
    // Closing the print dialog cancels it. Without a printer, Wine's dialog
    // shows its own "install a printer" message box first and fails.
    DialogCloser closer;
    EXPECT_FALSE(PrintExpressions(nullptr, "1+2=3"));
    // The caller's one window is the print dialog; any other is the dialog's own.
    const std::vector<DialogCloser::Dialog>& dialogs = closer.Dialogs();
    const auto ownedByCaller = [](const DialogCloser::Dialog& dialog) { return dialog.owner == nullptr; };
    EXPECT_EQ(std::count_if(dialogs.begin(), dialogs.end(), ownedByCaller), 1);
}

TEST(Printing, ThePrintFileIsAskedForAsOutputPrn) {
    {
        MessageBoxAnswer answer(IDCANCEL);
        std::wstring path;
        EXPECT_FALSE(AskPrintFileName(nullptr, path));
        EXPECT_EQ(answer.caption, L"\u6253\u5370\u5230\u6587\u4EF6");
        EXPECT_TRUE(path.empty());
    }
    MessageBoxAnswer answer(IDOK);
    std::wstring path;
    ASSERT_TRUE(AskPrintFileName(nullptr, path));
    EXPECT_EQ(path.substr(path.find_last_of(L'\\') + 1), L"Output.prn");
}

}  // namespace
