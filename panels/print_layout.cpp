#include "print_layout.h"

#include <algorithm>

namespace {

// Millimetres in device pixels, rounded to the nearest.
int MillimetresToPixels(int millimetres, int dotsPerInch) {
    return (millimetres * dotsPerInch * 10 + 127) / 254;
}

// The area between two margins along one side of the sheet.
void Between(int margin, int paper, int printableStart, int printableLength, int& first, int& end) {
    if (paper <= 0) paper = 2 * printableStart + printableLength;
    first = std::max(margin - printableStart, 0);
    end = std::min(paper - margin - printableStart, printableLength);
}

// Bytes of the GBK character at `at`: a byte of 0x80 or more leads two.
std::size_t CharLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    return byte >= 0x80 && at + 1 < text.size() ? 2 : 1;
}

// The length of the longest run of whole characters from the line's start
// that fits the width; at least one character, so a wrap always moves on.
std::size_t FittingLength(std::string_view line, const TextMeasure& measure, int width) {
    std::size_t end = CharLength(line, 0);
    while (end < line.size()) {
        const std::size_t next = end + CharLength(line, end);
        if (measure.TextWidth(line.substr(0, next)) > width) break;
        end = next;
    }
    return end;
}

}  // namespace

TextArea MarginedArea(const PaperGeometry& paper) {
    TextArea area;
    Between(MillimetresToPixels(kSideMarginMm, paper.DotsPerInchX), paper.PaperWidth, paper.PrintableX,
            paper.PrintableWidth, area.Left, area.Right);
    Between(MillimetresToPixels(kTopBottomMarginMm, paper.DotsPerInchY), paper.PaperHeight, paper.PrintableY,
            paper.PrintableHeight, area.Top, area.Bottom);
    return area;
}

std::vector<std::string_view> SplitPrintLines(std::string_view gbk) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < gbk.size(); ++at) {
        const char byte = gbk[at];
        if (byte != '\r' && byte != '\n') continue;
        lines.push_back(gbk.substr(start, at - start));
        if (byte == '\r' && at + 1 < gbk.size() && gbk[at + 1] == '\n') ++at;
        start = at + 1;
    }
    if (start < gbk.size()) lines.push_back(gbk.substr(start));
    return lines;
}

std::vector<PrintedPage> LayOutPages(const std::string& gbk, const TextMeasure& measure, TextArea area) {
    const int height = measure.LineHeight();
    std::vector<PrintedPage> pages(1);
    int y = area.Top;
    auto place = [&](std::size_t start, std::size_t length) {
        // A line taller than the area still goes alone on a fresh page.
        if (!pages.back().Lines.empty() && y + height > area.Bottom) {
            pages.emplace_back();
            y = area.Top;
        }
        pages.back().Lines.push_back({start, length, area.Left, y});
        y += height + 2;
    };
    for (std::string_view line : SplitPrintLines(gbk)) {
        const std::size_t lineStart = static_cast<std::size_t>(line.data() - gbk.data());
        if (line.empty()) {
            place(lineStart, 0);
            continue;
        }
        std::size_t done = 0;
        while (done < line.size()) {
            const std::size_t length = FittingLength(line.substr(done), measure, area.Right - area.Left);
            place(lineStart + done, length);
            done += length;
        }
    }
    return pages;
}
