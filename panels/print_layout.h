// Where each line of a printed text goes: lines one under the other at the
// text height plus 2 device pixels, a new page when the next line would
// pass the printable height, lines wider than the page wrapped. A pure
// function of the text, a measurer and the page, so it is tested without a
// printer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The print job's name in the spooler, and the 打印到文件 file dialog.
inline constexpr char kPrintJobName[] = "未命名打印作业";
inline constexpr char kPrintFileTitle[] = "打印到文件";
inline constexpr char kPrintFileFilter[] = "打印输出文件 (*.prn)|*.prn|所有文件 (*.*)|*.*||";

// Sizes of text in the device's pixels, with the printing font.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The text height of one line.
    virtual int LineHeight() const = 0;
    // The width of a run of GBK text (whole characters only).
    virtual int TextWidth(std::string_view gbk) const = 0;
};

// The printable area of a page.
struct PageSize {
    int Width = 0;
    int Height = 0;
};

// One printed line, or one piece of a wrapped line: bytes of the text.
struct PrintedLine {
    std::size_t Start = 0;
    std::size_t Length = 0;
    int Y = 0;
};

struct PrintedPage {
    std::vector<PrintedLine> Lines;
};

// The text's lines: CR LF, a lone CR and a lone LF each end one; the text
// after the last line end is a line only when it is not empty.
std::vector<std::string_view> SplitPrintLines(std::string_view gbk);

// The pages of a GBK text; always at least one (an empty text gives one
// empty page). Every page takes at least one line, however tall.
std::vector<PrintedPage> LayOutPages(const std::string& gbk, const TextMeasure& measure, PageSize page);
