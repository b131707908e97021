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

// The layout as "text@y" items, pages separated by " | ".
std::string Describe(const std::string& text, int lineHeight, PageSize page) {
    std::string out;
    const std::vector<PrintedPage> pages = LayOutPages(text, FakeMeasure(lineHeight), page);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) out += "| ";
        for (const PrintedLine& line : pages[i].Lines)
            out += text.substr(line.Start, line.Length) + "@" + std::to_string(line.Y) + " ";
    }
    return out;
}

TEST(PrintLayout, PlacesLinesAndBreaksPages) {
    struct Case {
        const char* name;
        std::string text;
        int lineHeight;
        PageSize page;
        std::string expected;
    };
    const Case cases[] = {
        {"lines step by the text height plus 2", "a\r\nb\r\nc", 10, {100, 1000}, "a@0 b@12 c@24 "},
        {"a last line ending exactly at the page's foot stays", "a\r\nb\r\nc\r\nd", 10, {100, 34},
         "a@0 b@12 c@24 | d@0 "},
        {"one pixel less sends it to the next page", "a\r\nb\r\nc\r\nd", 10, {100, 33}, "a@0 b@12 | c@0 d@12 "},
        {"a line taller than the page is alone on each page", "a\r\nb\r\nc", 50, {100, 30}, "a@0 | b@0 | c@0 "},
        {"empty lines take a line's height", "\r\n\r\nx", 10, {100, 1000}, "@0 @12 x@24 "},
        {"an empty text is one empty page", "", 10, {100, 1000}, ""},
        {"wrapped pieces follow as lines", "abcdefg", 10, {30, 1000}, "abc@0 def@12 g@24 "},
        {"wrapped pieces break pages too", "abcdefg", 10, {30, 22}, "abc@0 def@12 | g@0 "},
        // 真 is D5 E6; ∟ is A8 4E, its trail byte the letter N.
        {"a double-byte character is never cut", "a真b", 10, {20, 1000}, "a@0 真@12 b@24 "},
        {"a trail byte that looks like a letter stays with its lead", "a∟N", 10, {20, 1000}, "a@0 ∟@12 N@24 "},
        {"a character wider than the page goes alone", "真真", 10, {5, 1000}, "真@0 真@12 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(c.text, c.lineHeight, c.page), c.expected);
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
