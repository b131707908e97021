// What closing the main window does: the stored 退出设置 decides between
// exiting, hiding in the tray and asking; the exit question's answer may be
// remembered as the new setting.
#pragma once

// 退出设置, numbered as the settings file stores it.
enum class ExitAction : int { Ask = 0, Exit = 1, HideInTray = 2 };

// A value a hand-edited file may hold outside 0..2 would refuse every close
// for good: it counts as asking.
ExitAction ExitActionOf(int stored);

enum class CloseStep {
    Close,       // let the window close
    AskFirst,    // open the exit question, then decide by its answer
    HideInTray,  // hide the window (only minimise it when there is no tray icon)
};

// The step a close request takes. A log-off or shut-down always closes.
CloseStep DecideClose(bool sessionEnding, int storedExitAction);

// How the exit question was answered.
enum class ExitAnswer {
    ExitNow,    // 直接退出
    ToTray,     // 置托盘
    Dismissed,  // its own close button: the window stays, minimised
};

struct ExitQuestionOutcome {
    bool Close = false;
    bool Hide = false;
    int NewExitAction = 0;  // the setting afterwards
};

// What an answer does; with 记住设置 ticked the answer becomes the setting.
ExitQuestionOutcome AnswerExitQuestion(ExitAnswer answer, bool remember, int storedExitAction);
