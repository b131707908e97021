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
    const PageSize area{GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
    if (!RenderPages(printer, area, gbkText, pages)) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
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

bool RenderPages(HDC measureDc, PageSize page, const std::string& gbkText, PageSink& pages) {
    const HFONT font = CreatePrintFont(measureDc);
    const HGDIOBJ measureOld = SelectObject(measureDc, font);
    const std::vector<PrintedPage> layout = LayOutPages(gbkText, DcMeasure(measureDc), page);
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
            if (!wide.empty()) TextOutW(dc, 0, line.Y, wide.c_str(), static_cast<int>(wide.size()));
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
