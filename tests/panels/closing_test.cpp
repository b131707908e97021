// The close decision and the exit question's answers, as a table.
#include <gtest/gtest.h>

#include "closing.h"

namespace {

TEST(Closing, TheStoredSettingDecidesAndALogOffAlwaysCloses) {
    struct Case {
        bool sessionEnding;
        int stored;
        CloseStep step;
    };
    const Case cases[] = {
        {false, 0, CloseStep::AskFirst}, {false, 1, CloseStep::Close},
        {false, 2, CloseStep::HideInTray},
        // A damaged value asks instead of refusing every close.
        {false, 3, CloseStep::AskFirst}, {false, -1, CloseStep::AskFirst},
        {true, 0, CloseStep::Close},     {true, 2, CloseStep::Close},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sessionEnding << " " << c.stored);
        EXPECT_EQ(DecideClose(c.sessionEnding, c.stored), c.step);
    }
}

TEST(Closing, AnAnswerBecomesTheSettingOnlyWhenRemembered) {
    struct Case {
        ExitAnswer answer;
        bool remember;
        bool close, hide;
        int newAction;
    };
    const Case cases[] = {
        {ExitAnswer::ExitNow, false, true, false, 0},  {ExitAnswer::ExitNow, true, true, false, 1},
        {ExitAnswer::ToTray, false, false, true, 0},   {ExitAnswer::ToTray, true, false, true, 2},
        {ExitAnswer::Dismissed, true, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.answer) << " " << c.remember);
        const ExitQuestionOutcome outcome = AnswerExitQuestion(c.answer, c.remember, 0);
        EXPECT_EQ(outcome.Close, c.close);
        EXPECT_EQ(outcome.Hide, c.hide);
        EXPECT_EQ(outcome.NewExitAction, c.newAction);
    }
}

}  // namespace
