// The file menu's 打印: the system print dialog with the default printer,
// then the box's whole text in 宋体, page by page, as one print job.
#pragma once

#include <windows.h>

#include <string>

#include "print_layout.h"

// Where rendered pages go: a printer's pages, or a test's metafiles.
class PageSink {
public:
    virtual ~PageSink() = default;
    // The DC to draw the next page into; null stops the rendering.
    virtual HDC BeginPage() = 0;
    // False stops the rendering.
    virtual bool EndPage() = 0;
};

// The printing font for a device: 宋体, regular weight, 10 points.
HFONT CreatePrintFont(HDC device);

// The sheet a printer DC prints on, as its device reports it.
PaperGeometry PaperOf(HDC printer);

// Draws the GBK text's pages (print_layout.h), measured on `measureDc`,
// inside `area` (device pixels). Always at least one page. False when the
// sink refused a page.
bool RenderPages(HDC measureDc, TextArea area, const std::string& gbkText, PageSink& pages);

// The file to print into when the print dialog's "print to file" is ticked,
// asked in the save dialog "打印到文件", which asks before an existing file
// is replaced. False when cancelled.
bool AskPrintFileName(HWND owner, std::wstring& path);

// Asks in the system print dialog, then prints the whole GBK text as the
// job "未命名打印作业". False, with nothing printed, when a dialog was
// cancelled, there is no printer or the job could not be started.
bool PrintExpressions(HWND owner, const std::string& gbkText);
