// The program's message loop, one step at a time so tests can drive the
// same path as the running program.
#pragma once

#include <windows.h>

class MainWindow;

// One message: the main window looks at it first, then it is translated
// (key-downs become characters) and dispatched.
void ProcessMessage(MainWindow& window, const MSG& message);

// Processes every message already queued, then returns.
void PumpPendingMessages(MainWindow& window);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(MainWindow& window);
