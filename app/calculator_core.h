// The calculator's working parts over the main window's real controls: the
// settings file, the adapters of the box, the status bar and the clipboard,
// the engine, the box's key and character handling, the line commands, the
// text-changed handling with its undo history, and the drop sink. Made once
// the controls exist; each part is wired to the others here and nowhere else.
#pragma once

#include <windows.h>

#include <string>

#include "box_drop.h"
#include "char_input.h"
#include "clipboard_adapter.h"
#include "edit_box_adapter.h"
#include "engine.h"
#include "key_handlers.h"
#include "line_commands.h"
#include "settings_file.h"
#include "status_bar_adapter.h"
#include "text_changed.h"
#include "undo_history.h"
#include "win32_file_store.h"

struct CalculatorCore {
    // `window` owns the clipboard and the drop's messages; the hosts and
    // the records must outlive the parts.
    CalculatorCore(HWND window, HWND box, HWND status, const std::wstring& programFolder, Settings& settings,
                   EngineState& state, KeyHandlerHost& keyHost, TextChangedHost& changeHost);
    CalculatorCore(const CalculatorCore&) = delete;
    CalculatorCore& operator=(const CalculatorCore&) = delete;

    // The box as it stands, as the next undo step.
    void RecordUndoSnapshot();
    void Undo();
    void Redo();

    Settings& Current;
    Win32FileStore Files;
    SettingsFile SettingsStore;
    EditBoxAdapter Text;
    StatusBarAdapter Status;
    ClipboardAdapter Clipboard;
    Engine Calculator;
    KeyHandlers Keys;
    CharInput Chars;
    LineCommands Lines;
    TextChangedHandling TextChanged;
    UndoHistory History;
    BoxDrop Drop;
};
