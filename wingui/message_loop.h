// The GUI thread's one message loop, one step at a time so tests can drive
// the same path as the running program. Before a message is translated
// (key-downs become characters) and dispatched, the registered filters see
// it first (a window's menu shortcuts and the key-downs it consumes), then
// the non-modal dialogs get their keyboard navigation.
#pragma once

#include <windows.h>

#include <vector>

class MessageFilter {
public:
    // True when the message was handled and must go no further.
    virtual bool PreTranslateMessage(const MSG& message) = 0;

protected:
    ~MessageFilter() = default;
};

class MessageLoop {
public:
    // The loop of the calling thread; every window of this thread uses it.
    static MessageLoop& ForThisThread();

    void AddFilter(MessageFilter& filter);
    void RemoveFilter(MessageFilter& filter);
    void AddDialog(HWND dialog);
    void RemoveDialog(HWND dialog);

    // One message through the filters, the dialogs, translation and dispatch.
    void Process(const MSG& message);
    // Processes every message already queued, then returns. A WM_QUIT met
    // on the way is left for the loop that owns it.
    void PumpPending();
    // Runs until WM_QUIT; returns its exit code.
    int Run();

private:
    std::vector<MessageFilter*> filters_;
    std::vector<HWND> dialogs_;
};
