// Steps a test runs from inside a modal loop it is about to start: each
// Later(step) is a one-shot thread timer that fires as soon as the loop
// waits for input. A step may schedule further steps. CancelLaterSteps, in
// a test's TearDown, keeps a step left over from firing in a later test's
// modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <map>

inline std::map<UINT_PTR, std::function<void()>>& PendingSteps() {
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

inline void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto found = PendingSteps().find(id);
    if (found == PendingSteps().end()) return;
    const std::function<void()> step = std::move(found->second);
    PendingSteps().erase(found);
    if (step) step();
}

inline void Later(std::function<void()> step) {
    PendingSteps()[SetTimer(nullptr, 0, 1, RunPendingStep)] = std::move(step);
}

inline void CancelLaterSteps() {
    for (const auto& pending : PendingSteps()) KillTimer(nullptr, pending.first);
    PendingSteps().clear();
}
