// The printed page layout on a fake page with a fake measurer: ten pixels
// a byte, lines ten pixels high.
#include "print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FakeMeasure : public TextMeasure {
public:
    explicit FakeMeasure(int height) : height_(height) {}
    int LineHeight() const override { return height_; }
    int TextWidth(std::string_view gbk) const override { return 10 * static_cast<int>(gbk.size()); }

private:
    int height_;
};

// The layout as "text@x,y" items, pages separated by " | ".
std::string Describe(const std::string& text, int lineHeight, TextArea area) {
    std::string out;
    const std::vector<PrintedPage> pages = LayOutPages(text, FakeMeasure(lineHeight), area);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) out += "| ";
        for (const PrintedLine& line : pages[i].Lines)
            out += text.substr(line.Start, line.Length) + "@" + std::to_string(line.X) + "," + std::to_string(line.Y) +
                   " ";
    }
    return out;
}

TEST(PrintLayout, PlacesLinesAndBreaksPages) {
    struct Case {
        const char* name;
        std::string text;
        int lineHeight;
        TextArea area;
        std::string expected;
    };
    const Case cases[] = {
        {"lines step by the text height plus 2", "a\r\nb\r\nc", 10, {0, 0, 100, 1000}, "a@0,0 b@0,12 c@0,24 "},
        {"lines start at the area's corner", "a\r\nb", 10, {7, 5, 100, 1000}, "a@7,5 b@7,17 "},
        {"a last line ending exactly at the bottom margin stays", "a\r\nb\r\nc\r\nd", 10, {0, 6, 100, 40},
         "a@0,6 b@0,18 c@0,30 | d@0,6 "},
        {"one pixel less sends it to the next page", "a\r\nb\r\nc\r\nd", 10, {0, 6, 100, 39},
         "a@0,6 b@0,18 | c@0,6 d@0,18 "},
        {"a line taller than the area is alone on each page", "a\r\nb\r\nc", 50, {0, 0, 100, 30},
         "a@0,0 | b@0,0 | c@0,0 "},
        {"empty lines take a line's height", "\r\n\r\nx", 10, {0, 0, 100, 1000}, "@0,0 @0,12 x@0,24 "},
        {"an empty text is one empty page", "", 10, {0, 0, 100, 1000}, ""},
        {"wrapped pieces follow as lines", "abcdefg", 10, {0, 0, 30, 1000}, "abc@0,0 def@0,12 g@0,24 "},
        {"the wrap width is the space between the margins", "abcdefg", 10, {20, 0, 50, 1000},
         "abc@20,0 def@20,12 g@20,24 "},
        {"wrapped pieces break pages too", "abcdefg", 10, {0, 0, 30, 22}, "abc@0,0 def@0,12 | g@0,0 "},
        // 真 is D5 E6; ∟ is A8 4E, its trail byte the letter N.
        {"a double-byte character is never cut", "a真b", 10, {0, 0, 20, 1000}, "a@0,0 真@0,12 b@0,24 "},
        {"a trail byte that looks like a letter stays with its lead", "a∟N", 10, {0, 0, 20, 1000},
         "a@0,0 ∟@0,12 N@0,24 "},
        {"a character wider than the area goes alone", "真真", 10, {0, 0, 5, 1000}, "真@0,0 真@0,12 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(c.text, c.lineHeight, c.area), c.expected);
    }
}

// 20 mm at the sides and 15 mm at top and bottom, from the paper's edge,
// in the coordinates of the printable area.
TEST(PrintLayout, MarginsAreMeasuredFromThePapersEdge) {
    struct Case {
        const char* name;
        PaperGeometry paper;
        TextArea expected;
    };
    // A4 at 300 dpi is 2480 x 3508 pixels; 20 mm is 236 of them, 15 mm 177.
    const Case cases[] = {
        {"a printer that prints to the edge", {2480, 3508, 0, 0, 2480, 3508, 300, 300}, {236, 177, 2244, 3331}},
        {"an unprintable border shifts the area", {2480, 3508, 100, 60, 2280, 3388, 300, 300},
         {136, 117, 2144, 3271}},
        {"a border wider than the margin keeps the printable area", {2480, 3508, 300, 200, 1880, 3108, 300, 300},
         {0, 0, 1880, 3108}},
        {"the two directions take their own resolutions", {1240, 7016, 0, 0, 1240, 7016, 150, 600},
         {118, 354, 1122, 6662}},
        {"margins round to the nearest pixel", {1000, 1000, 0, 0, 1000, 1000, 72, 72}, {57, 43, 943, 957}},
        {"a sheet of unknown size has an equal border", {0, 0, 50, 40, 2380, 3428, 300, 300},
         {186, 137, 2194, 3291}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextArea area = MarginedArea(c.paper);
        EXPECT_EQ(area.Left, c.expected.Left);
        EXPECT_EQ(area.Top, c.expected.Top);
        EXPECT_EQ(area.Right, c.expected.Right);
        EXPECT_EQ(area.Bottom, c.expected.Bottom);
    }
}

TEST(PrintLayout, EachLineEndEndsOneLine) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\r\r\n\n", {"", "", ""}},
        {"\n\r", {"", ""}},
        {"a\r\n", {"a"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (std::string_view line : SplitPrintLines(c.text)) lines.emplace_back(line);
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.text);
    }
}

}  // namespace
