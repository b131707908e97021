// Every calculation the help shows as expression=result is one the program
// makes: the line is refreshed through the engine with the default
// settings, and a result shown as a fraction is reached by the Tab
// conversion the help describes.
#include "help_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine_session.h"
#include "line_commands.h"

namespace {

// The characters an example is written with: ASCII digits, letters and
// operators, and the calculator's two-byte symbols.
bool IsExampleAscii(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           std::strchr("+-*/\\^%!.,;()[]{}=", c) != nullptr;
}

bool IsExampleSymbol(const std::string& text, size_t at) {
    for (const char* symbol : {"×", "÷", "√", "π", "∟", "‰"})
        if (text.compare(at, 2, symbol) == 0) return true;
    return false;
}

// Each longest run of example characters that holds an "=" with text on
// both sides of it.
std::vector<std::string> CalculationExamples(const std::string& gbk) {
    std::vector<std::string> examples;
    std::string run;
    const auto endRun = [&] {
        const size_t first = run.find('='), last = run.rfind('=');
        if (first != std::string::npos && first > 0 && last + 1 < run.size()) examples.push_back(run);
        run.clear();
    };
    for (size_t i = 0; i < gbk.size();) {
        if (static_cast<unsigned char>(gbk[i]) >= 0x80) {
            if (IsExampleSymbol(gbk, i)) {
                run += gbk.substr(i, 2);
            } else {
                endRun();
            }
            i += 2;
        } else {
            if (IsExampleAscii(gbk[i])) {
                run += gbk[i];
            } else {
                endRun();
            }
            ++i;
        }
    }
    endRun();
    return examples;
}

TEST(HelpText, EveryCalculationShownIsTheEnginesOwn) {
    const std::vector<std::string> examples = CalculationExamples(HelpText());
    // The operators, functions, chains and fraction forms the help walks through.
    ASSERT_GE(examples.size(), 25u);
    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        EngineSession session;
        LineCommands commands(session.box, session.status, session.clipboard, session.settings, session.engine);
        session.Load(example);
        session.engine.RefreshLine();
        std::vector<std::string> shown{session.box.Text()};
        const bool fraction = example.find("∟", example.rfind('=')) != std::string::npos;
        for (int tab = 0; fraction && tab < 2 && shown.back() != example; ++tab) {
            commands.FractionConvert();
            shown.push_back(session.box.Text());
        }
        EXPECT_EQ(shown.back(), example) << "the engine shows " << testing::PrintToString(shown);
    }
}

}  // namespace
