#include "printing.h"

#include <commdlg.h>

#include <vector>

#include "gbk_codec.h"

namespace {

// Measures with whatever font is selected into the DC.
class DcMeasure : public TextMeasure {
public:
    explicit DcMeasure(HDC dc) : dc_(dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        height_ = metrics.tmHeight;
    }
    int LineHeight() const override { return height_; }
    int TextWidth(std::string_view gbk) const override {
        const std::wstring wide = GbkToWide(std::string(gbk));
        SIZE size{};
        GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size.cx;
    }

private:
    HDC dc_;
    int height_ = 0;
};

class PrinterPages : public PageSink {
public:
    explicit PrinterPages(HDC printer) : printer_(printer) {}
    HDC BeginPage() override { return ::StartPage(printer_) > 0 ? printer_ : nullptr; }
    bool EndPage() override { return ::EndPage(printer_) > 0; }

private:
    HDC printer_;
};

bool PrintJob(HDC printer, const std::string& gbkText, const std::wstring& outputFile) {
    const std::wstring name = GbkToWide(kPrintJobName);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    document.lpszOutput = outputFile.empty() ? nullptr : outputFile.c_str();
    if (StartDocW(printer, &document) <= 0) return false;
    PrinterPages pages(printer);
    if (!RenderPages(printer, MarginedArea(PaperOf(printer)), gbkText, pages)) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

// Draws a line with every character where the DC's own measure puts it. A
// printer's driver left to advance by its font's unhinted widths draws a
// line wider than measured, past the margin.
void DrawAsMeasured(HDC dc, int x, int y, const std::wstring& text) {
    const int count = static_cast<int>(text.size());
    std::vector<int> advances(text.size());
    SIZE size{};
    if (!GetTextExtentExPointW(dc, text.c_str(), count, 0, nullptr, advances.data(), &size)) {
        TextOutW(dc, x, y, text.c_str(), count);
        return;
    }
    // Extents from the line's start, made into each character's advance.
    for (std::size_t i = advances.size() - 1; i > 0; --i) advances[i] -= advances[i - 1];
    ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(count), advances.data());
}

}  // namespace

HFONT CreatePrintFont(HDC device) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(10, GetDeviceCaps(device, LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    const std::wstring face = GbkToWide("宋体");
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

PaperGeometry PaperOf(HDC printer) {
    PaperGeometry paper;
    paper.PaperWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    paper.PaperHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    paper.PrintableX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    paper.PrintableY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    paper.PrintableWidth = GetDeviceCaps(printer, HORZRES);
    paper.PrintableHeight = GetDeviceCaps(printer, VERTRES);
    paper.DotsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
    paper.DotsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
    return paper;
}

bool RenderPages(HDC measureDc, TextArea area, const std::string& gbkText, PageSink& pages) {
    const HFONT font = CreatePrintFont(measureDc);
    const HGDIOBJ measureOld = SelectObject(measureDc, font);
    const std::vector<PrintedPage> layout = LayOutPages(gbkText, DcMeasure(measureDc), area);
    SelectObject(measureDc, measureOld);

    bool complete = true;
    for (const PrintedPage& printed : layout) {
        const HDC dc = pages.BeginPage();
        if (!dc) {
            complete = false;
            break;
        }
        // A printer may reset its DC at each page: set everything again.
        const HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        for (const PrintedLine& line : printed.Lines) {
            const std::wstring wide = GbkToWide(gbkText.substr(line.Start, line.Length));
            if (!wide.empty()) DrawAsMeasured(dc, line.X, line.Y, wide);
        }
        SelectObject(dc, old);
        if (!pages.EndPage()) {
            complete = false;
            break;
        }
    }
    DeleteObject(font);
    return complete;
}

bool AskPrintFileName(HWND owner, std::wstring& path) {
    std::wstring filter = GbkToWide(kPrintFileFilter);
    for (wchar_t& unit : filter)
        if (unit == L'|') unit = L'\0';
    const std::wstring title = GbkToWide(kPrintFileTitle);
    wchar_t file[MAX_PATH] = L"Output.prn";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    // A file that exists is replaced only after the dialog's own question.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&dialog)) return false;
    path = file;
    return true;
}

bool PrintExpressions(HWND owner, const std::string& gbkText) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    // Cancelled, or no default printer: the dialog has said all there is.
    if (!PrintDlgW(&dialog)) return false;
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!dialog.hDC) return false;
    bool printed = false;
    std::wstring outputFile;
    if (!(dialog.Flags & PD_PRINTTOFILE) || AskPrintFileName(owner, outputFile))
        printed = PrintJob(dialog.hDC, gbkText, outputFile);
    DeleteDC(dialog.hDC);
    return printed;
}
