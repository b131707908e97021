#include "closing.h"

ExitAction ExitActionOf(int stored) {
    switch (stored) {
    case static_cast<int>(ExitAction::Exit):
        return ExitAction::Exit;
    case static_cast<int>(ExitAction::HideInTray):
        return ExitAction::HideInTray;
    default:
        return ExitAction::Ask;
    }
}

CloseStep DecideClose(bool sessionEnding, int storedExitAction) {
    if (sessionEnding) return CloseStep::Close;
    switch (ExitActionOf(storedExitAction)) {
    case ExitAction::Exit:
        return CloseStep::Close;
    case ExitAction::HideInTray:
        return CloseStep::HideInTray;
    case ExitAction::Ask:
        break;
    }
    return CloseStep::AskFirst;
}

ExitQuestionOutcome AnswerExitQuestion(ExitAnswer answer, bool remember, int storedExitAction) {
    ExitQuestionOutcome outcome;
    outcome.NewExitAction = storedExitAction;
    switch (answer) {
    case ExitAnswer::ExitNow:
        outcome.Close = true;
        if (remember) outcome.NewExitAction = static_cast<int>(ExitAction::Exit);
        break;
    case ExitAnswer::ToTray:
        outcome.Hide = true;
        if (remember) outcome.NewExitAction = static_cast<int>(ExitAction::HideInTray);
        break;
    case ExitAnswer::Dismissed:
        break;
    }
    return outcome;
}
