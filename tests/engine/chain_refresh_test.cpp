#include <gtest/gtest.h>

#include "engine.h"
#include "memory_text_box.h"
#include "messages.h"
#include "settings.h"

namespace {

struct RefreshCase {
    std::string input;
    TextPos caret;
    std::string expected;
    std::string message;
};

void RunRefresh(const RefreshCase& c, Settings settings = Settings()) {
    SCOPED_TRACE("input: " + c.input);
    MemoryTextBox box(c.input, c.caret);
    MemoryStatusBar status;
    MemoryClipboard clipboard;
    EngineState state;
    settings.RealTimeMode = false;
    Engine engine(box, status, clipboard, settings, state);
    engine.RefreshLine();
    EXPECT_EQ(box.Text(), c.expected);
    EXPECT_EQ(status.PartText(StatusPart::Message), c.message);
    EXPECT_FALSE(state.RefreshActive);
}

TEST(ChainRefresh, RecalculatesEveryResultOfTheLine) {
    const RefreshCase cases[] = {
        {"1+5=3+4=7", 0, "1+5=6+4=10", msg::kRefreshed},
        {"1-6=-4+1=-3", 0, "1-6=-5+1=-4", msg::kRefreshed},
        {"1+2=3+4=7+1", 0, "1+2=3+4=7+1", msg::kRefreshed},
        {"1 + 5 = 3", 0, "1+5=6", msg::kRefreshed},
        {"5=5", 0, "5", msg::kRefreshed},
        {"1÷100000=1×10^-005×2=5", 0, "1÷100000=1×10^-005×2=2×10^-005", msg::kRefreshed},
        // The user's "-2" behind an old exponent is kept.
        {"1÷100000=1×10^-005-2=5", 0, "1÷100000=1×10^-005-2=-1.99999", msg::kRefreshed},
        {"x\r\n1+5=3+4=7\r\ny", 6, "x\r\n1+5=6+4=10\r\ny", msg::kRefreshed},
        {"1+5=3\r\nx", 0, "1+5=6\r\nx", msg::kRefreshed},
        {"1+5=3\r\n", 7, "1+5=6\r\n", msg::kRefreshed},
    };
    for (const RefreshCase& c : cases) RunRefresh(c);

    Settings improper;
    improper.FractionType = 1;
    RunRefresh({"1∟2+1∟3=5∟6+1=11∟6", 0, "1∟2+1∟3=5∟6+1=11∟6", msg::kRefreshed}, improper);
}

TEST(ChainRefresh, PutsBackLinesWithoutAChain) {
    const RefreshCase cases[] = {
        {"1+2=", 0, "1+2=", ""},
        {"1+2", 0, "1+2", ""},
        {"", 0, "", ""},
        // An empty line between two lines is never merged with its neighbours.
        {"a=1\r\n\r\nb", 5, "a=1\r\n\r\nb", ""},
        {"a=1\r\n   \r\nb", 6, "a=1\r\n   \r\nb", ""},
    };
    for (const RefreshCase& c : cases) RunRefresh(c);
}

TEST(ChainRefresh, FailureRestoresTheLine) {
    const RefreshCase cases[] = {
        {"1÷0=1+4=5", 0, "1÷0=1+4=5", msg::kRefreshFailed},
        {"5%(2)=3+1=4", 0, "5%(2)=3+1=4", msg::kRefreshFailed},
        // A lone LF or CR is a byte of the line, not where it starts.
        {"2\n1+5=3", 7, "2\n1+5=3", msg::kRefreshFailed},
        {"2\r1+5=3", 7, "2\r1+5=3", msg::kRefreshFailed},
    };
    for (const RefreshCase& c : cases) RunRefresh(c);
}

TEST(ChainRefresh, SpaceSplitCutsOnlyTheSegment) {
    Settings split;
    split.SpaceSplitsExpressions = true;
    RunRefresh({"7 1+5=3 9", 3, "7 1+5=6   9", msg::kRefreshed}, split);
}

}  // namespace
