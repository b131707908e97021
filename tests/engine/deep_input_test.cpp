// Very long lines, deep brackets and long argument lists: each evaluates or
// fails with a message. Every case runs on a thread with a small stack, so
// an engine that recursed once per bracket or argument would overflow here
// (the Windows program's main thread has little more).
#include <gtest/gtest.h>

#include <pthread.h>

#include <functional>
#include <string>
#include <vector>

#include "engine.h"
#include "memory_text_box.h"
#include "messages.h"
#include "settings.h"

namespace {

constexpr size_t kSmallStack = 512 * 1024;

void RunOnSmallStack(const std::function<void()>& body) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
    pthread_t thread;
    auto run = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&body)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

std::string Repeat(const std::string& piece, size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

std::string NumberList(size_t count) {
    std::string list;
    for (size_t i = 1; i <= count; ++i) list += (i > 1 ? "," : "") + std::to_string(i);
    return list;
}

struct DeepCase {
    const char* name;
    std::string text;
    std::string expected;  // the box text afterwards
    std::string message;   // status part 0 afterwards
    bool ignoreChinese = false;
};

struct Outcome {
    std::string text;
    std::string message;
    bool wrote = false;
};

Outcome Evaluate(const DeepCase& c, bool refresh) {
    Outcome outcome;
    RunOnSmallStack([&] {
        MemoryTextBox box;
        MemoryStatusBar status;
        MemoryClipboard clipboard;
        Settings settings;
        settings.RealTimeMode = false;
        settings.IgnoreChinese = c.ignoreChinese;
        EngineState state;
        Engine engine(box, status, clipboard, settings, state);
        box.SetText(c.text);
        box.SetSelectionStart(static_cast<TextPos>(c.text.size()));
        if (refresh) {
            engine.RefreshLine();
        } else {
            outcome.wrote = engine.Evaluator();
        }
        outcome.text = box.Text();
        outcome.message = status.PartText(StatusPart::Message);
    });
    return outcome;
}

void Check(const DeepCase& c, bool refresh = false) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Evaluate(c, refresh);
    EXPECT_EQ(outcome.message, c.message);
    // Compared as a boolean: a failure would print 100,000 characters.
    EXPECT_TRUE(outcome.text == c.expected) << "text of " << outcome.text.size() << " bytes, expected "
                                            << c.expected.size();
    if (!refresh) {
        EXPECT_EQ(outcome.wrote, c.message.empty() && c.expected != c.text);
    }
}

TEST(DeepInput, LinesOfAHundredThousandCharacters) {
    const std::string ones = Repeat("1+", 49999) + "1";  // 99,999 characters
    const std::string digits = Repeat("9", 100000);
    const std::string chinese = Repeat("米", 50000);
    const std::string blanks = Repeat(" ", 99990);
    const std::vector<DeepCase> cases = {
        {"a sum of 50,000 ones", ones, ones + "=50000", ""},
        {"a number of 100,000 digits", digits + "+1", digits + "+1", msg::kAddError},
        {"100,000 digits as a lone number", digits, digits, msg::kNoOperator},
        {"50,000 Chinese characters", chinese + "1+1", chinese + "1+1", msg::kUnknownChinese},
        {"50,000 Chinese characters ignored", chinese + "1+1", chinese + "1+1=2", "", true},
        {"blanks around a short sum", "1" + blanks + "+2", "1" + blanks + "+2=3", ""},
        {"100,000 unknown letters", Repeat("x", 100000), Repeat("x", 100000), msg::kUnknownCharacter},
        {"a run of 50,000 points", "1" + Repeat(".", 50000) + "+1", "1" + Repeat(".", 50000) + "+1",
         msg::kTooManyPoints},
        {"50,000 minus signs", Repeat("-", 50000) + "1", Repeat("-", 50000) + "1", msg::kMissingOperand},
    };
    for (const DeepCase& c : cases) Check(c);
}

TEST(DeepInput, TenThousandNestedBrackets) {
    const size_t depth = 10000;
    const std::string round = Repeat("(", depth) + "1" + Repeat(")", depth) + "+1";
    const std::string mixed = Repeat("[{(", depth / 3) + "2" + Repeat(")}]", depth / 3) + "×3";
    const std::string functions = Repeat("sin(", depth) + "0" + Repeat(")", depth);
    const std::string signs = Repeat("-(", depth) + "1" + Repeat(")", depth);
    const std::string open = Repeat("(", depth) + "1";
    const std::string mismatched = Repeat("(", depth) + "1" + Repeat(")", depth - 1) + "]";
    const std::vector<DeepCase> cases = {
        {"round brackets", round, round + "=2", ""},
        {"all three kinds", mixed, mixed + "=6", ""},
        {"nested functions", functions, functions + "=0", ""},
        {"nested signs", signs, signs + "=1", ""},
        {"never closed", open, open, msg::kMissingParen},
        {"closed by the wrong kind", mismatched, mismatched, msg::kSquareMismatch},
    };
    for (const DeepCase& c : cases) Check(c);
}

TEST(DeepInput, TenThousandArguments) {
    const std::string list = NumberList(10000);
    const std::vector<DeepCase> cases = {
        {"max", "max(" + list + ")", "max(" + list + ")=10000", ""},
        {"min", "min(" + list + ")", "min(" + list + ")=1", ""},
        {"sum", "sum(" + list + ")", "sum(" + list + ")=50005000", ""},
        {"mean by tjfx", "tjfx(5," + list + ")", "tjfx(5," + list + ")=5000.5", ""},
        {"if picks the last", "if(10000," + list + ")", "if(10000," + list + ")=10000", ""},
        {"a list that no function takes", "(" + list + ")+1", "(" + list + ")+1", msg::kCommaMisplaced},
        {"one argument too many for sin", "sin(" + list + ")", "sin(" + list + ")",
         "  [运算错误]_为sin函数提供过多的参数，函数参数必须为1个！"},
    };
    for (const DeepCase& c : cases) Check(c);
}

TEST(DeepInput, LongChainsRefresh) {
    // 1,000 results on one line; the first piece edited from 1+1 to 1+2.
    std::string chain = "1+2";
    std::string refreshed = "1+2";
    for (int i = 1; i <= 1000; ++i) {
        chain += "=" + std::to_string(i + 1) + "+1";
        refreshed += "=" + std::to_string(i + 2) + "+1";
    }
    chain += "=1002";
    refreshed += "=1003";
    Check({"a chain of 1,000 results", chain, refreshed, msg::kRefreshed}, true);
}

}  // namespace
