// Where each line of a printed text goes: inside margins measured from the
// paper's edge, lines one under the other at the text height plus 2 device
// pixels, a new page when the next line would cross the bottom margin,
// lines wider than the space between the margins wrapped. Pure functions
// of the text, a measurer and the paper, so they are tested without a
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

// A sheet as the printer reports it, in its device pixels. A printer draws
// only on its printable area, whose corner is the origin of its drawing
// coordinates and may lie inside the sheet (an unprintable border).
struct PaperGeometry {
    int PaperWidth = 0;  // the whole sheet; 0 when the printer does not say
    int PaperHeight = 0;
    int PrintableX = 0;  // the printable area's corner on the sheet
    int PrintableY = 0;
    int PrintableWidth = 0;
    int PrintableHeight = 0;
    int DotsPerInchX = 0;
    int DotsPerInchY = 0;
};

// Where text may be drawn, in the printable area's coordinates: from
// Left/Top up to, not including, Right/Bottom.
struct TextArea {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The margins, from the paper's edge.
constexpr int kSideMarginMm = 20;
constexpr int kTopBottomMarginMm = 15;

// The area inside the margins, never outside the printable area. A sheet
// of unknown size is taken as the printable area with an equal border all
// round.
TextArea MarginedArea(const PaperGeometry& paper);

// One printed line, or one piece of a wrapped line: bytes of the text and
// the top left corner of its text.
struct PrintedLine {
    std::size_t Start = 0;
    std::size_t Length = 0;
    int X = 0;
    int Y = 0;
};

struct PrintedPage {
    std::vector<PrintedLine> Lines;
};

// The text's lines: CR LF, a lone CR and a lone LF each end one; the text
// after the last line end is a line only when it is not empty.
std::vector<std::string_view> SplitPrintLines(std::string_view gbk);

// The pages of a GBK text in the area; always at least one (an empty text
// gives one empty page). Every page takes at least one line, however tall.
std::vector<PrintedPage> LayOutPages(const std::string& gbk, const TextMeasure& measure, TextArea area);
