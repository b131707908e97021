// Typed characters of the expression box on the in-memory box: what the
// character handler writes, and what it passes on to be typed.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "marked_text.h"
#include "char_input.h"
#include "engine_state.h"
#include "memory_text_box.h"
#include "settings.h"

namespace {

struct InputSession {
    MemoryTextBox box;
    Settings settings;
    EngineState state;
    CharInput input{box, settings, state};

    // "1+#2" puts the caret between + and 2; "1[+2]" selects "+2".
    void Put(const std::string& marked) {
        const MarkedText parsed = ParseMarked(marked, '#');
        box.SetText(parsed.Text);
        box.SetSelectionStart(parsed.Start);
        box.SetSelectionLength(parsed.Length);
    }

    std::string Shown() const { return ShowMarked(box, '#'); }

    // Each key as the box sees it: the handler first, then the box types
    // what it passed on.
    void Type(const std::string& keys) {
        for (char key : keys) {
            if (!input.CharInputHandler(static_cast<unsigned char>(key))) box.ReplaceSelection(std::string(1, key));
        }
    }
};

struct TypingCase {
    const char* name;
    std::function<void(Settings&)> setup;
    const char* before;
    const char* keys;
    const char* after;
};

void Defaults(Settings&) {}
void MulDivOff(Settings& s) { s.MulDivSymbols = false; }
void Prefix(Settings& s) { s.PrefixLastResult = true; }
void PrefixMulDivOff(Settings& s) { s.PrefixLastResult = true; s.MulDivSymbols = false; }
void Laptop(Settings& s) { s.LaptopKeys = true; }
void PrefixLaptop(Settings& s) { s.PrefixLastResult = true; s.LaptopKeys = true; }

TEST(CharInput, TypedSequences) {
    const TypingCase cases[] = {
        {"times symbol", Defaults, "", "2*3", "2×3#"},
        {"divide symbol", Defaults, "", "8/4", "8÷4#"},
        {"symbols off", MulDivOff, "", "2*3/4", "2*3/4#"},
        {"symbol over a selection", Defaults, "2[ab]3", "*", "2×#3"},
        {"plus and minus pass", Defaults, "", "1+2-3", "1+2-3#"},
        {"result before plus", Prefix, "1+5=6\r\n#", "+1", "1+5=6\r\n6+1#"},
        {"result before minus", Prefix, "1+5=6\r\n#", "-", "1+5=6\r\n6-#"},
        {"result before times", Prefix, "1+5=6\r\n#", "*", "1+5=6\r\n6×#"},
        {"result before divide", Prefix, "1+5=6\r\n#", "/", "1+5=6\r\n6÷#"},
        {"text start is no line start", Prefix, "#", "+", "+#"},
        {"inside a line", Prefix, "1\r\n2#", "+", "1\r\n2+#"},
        {"times without symbols brings no result", PrefixMulDivOff, "1\r\n#", "*", "1\r\n*#"},
        {"minus without symbols still brings it", PrefixMulDivOff, "1\r\n#", "-", "1\r\n6-#"},
        {"option off", Defaults, "1\r\n#", "+", "1\r\n+#"},
        {"laptop keys", Laptop, "", "1=2]3[4", "1+2×3÷4#"},
        {"laptop equals brings no result", PrefixLaptop, "1\r\n#", "=", "1\r\n+#"},
        {"brackets without laptop keys", Defaults, "", "[1]=", "[1]=#"},
        {"digit behind a result", Defaults, "1+2=3#\r\n", "4", "1+2=3\r\n4#\r\n"},
        {"point behind a result", Defaults, "1+2=3#\r\n", ".5", "1+2=3\r\n.5#\r\n"},
        {"operator continues the chain", Defaults, "1+2=3#\r\n", "+", "1+2=3+#\r\n"},
        {"negative result", Defaults, "1-4=-3#\r\n", "7", "1-4=-3\r\n7#\r\n"},
        {"exponent result", Defaults, "x=1e+013#\r\n", "2", "x=1e+013\r\n2#\r\n"},
        {"last line never breaks", Defaults, "1+2=3#", "4", "1+2=34#"},
        {"nothing behind the equals", Defaults, "1+2=#\r\n", "4", "1+2=4#\r\n"},
        {"grouped result", Defaults, "1=1,234#\r\n", "5", "1=1,2345#\r\n"},
        {"fraction result", Defaults, "3÷2=3∟2#\r\n", "1", "3÷2=3∟21#\r\n"},
        {"padded result", Defaults, "1=1.50#\r\n", "1", "1=1.501#\r\n"},
        {"no equals at all", Defaults, "12#\r\n", "3", "123#\r\n"},
        {"equals behind the caret", Defaults, "1#=2\r\n", "3", "13#=2\r\n"},
        {"later digits stay on the new line", Defaults, "1+1=2#\r\n3", "45", "1+1=2\r\n45#\r\n3"},
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.name);
        InputSession s;
        c.setup(s.settings);
        s.state.LastResult = "6";
        s.Put(c.before);
        s.Type(c.keys);
        EXPECT_EQ(s.Shown(), c.after);
    }
}

TEST(CharInput, TimesIsTheGbkPair) {
    InputSession s;
    s.Type("2*3");
    EXPECT_EQ(s.box.Text(), std::string("\x32\xA1\xC1\x33"));
}

TEST(CharInput, OtherBytesLeaveTheBoxAlone) {
    InputSession s;
    s.settings.LaptopKeys = true;
    s.settings.PrefixLastResult = true;
    s.Put("1+2=3#\r\n");
    const int changes = s.box.ChangeCount();
    for (unsigned code : {0x80u, 0xA1u, 0xB0u, 0xFEu}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(s.input.CharInputHandler(static_cast<unsigned char>(code)));
    }
    EXPECT_EQ(s.box.ChangeCount(), changes);
    EXPECT_EQ(s.Shown(), "1+2=3#\r\n");
}

TEST(CharInput, InsertLastResultReplacesTheSelection) {
    const struct {
        const char* before;
        const char* result;
        const char* after;
    } cases[] = {
        {"1+[2]", "6", "1+6#"},
        {"#x", "-1.5", "-1.5#x"},
        {"a#b", "", "a#b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        InputSession s;
        s.state.LastResult = c.result;
        s.Put(c.before);
        s.input.InsertLastResult();
        EXPECT_EQ(s.Shown(), c.after);
    }
}

}  // namespace
