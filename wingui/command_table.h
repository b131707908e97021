// One table of a window's commands: one id per action, shared by the menu
// bar, the context and tray menus, the accelerators and any other trigger.
// Each entry says how to run it and whether it is enabled and checked; an
// entry without a way to run it is an action not built yet, shown greyed.
// Menus are brought up to date from the table whenever they open.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A key that runs a command: a virtual-key code with Ctrl and Shift.
struct Shortcut {
    UINT Key = 0;  // 0: none
    bool Ctrl = false;
    bool Shift = false;
};

inline Shortcut CtrlKey(UINT key) { return {key, true, false}; }
inline Shortcut PlainKey(UINT key) { return {key, false, false}; }
inline Shortcut ShiftKey(UINT key) { return {key, false, true}; }

// "Ctrl+N", "Shift+F3", "F5" as a menu shows it behind its tab; empty for none.
std::wstring ShortcutText(const Shortcut& shortcut);

struct Command {
    UINT Id = 0;
    Shortcut Key;
    std::function<void()> Run;        // empty: not built yet
    std::function<bool()> Enabled;    // empty: enabled whenever it can run
    std::function<bool()> Checked;    // empty: never checked
};

class CommandTable {
public:
    CommandTable() = default;
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;
    ~CommandTable();

    // An entry without `run` is an action not built yet.
    void Add(UINT id, Shortcut key = {}, std::function<void()> run = {}, std::function<bool()> enabled = {},
             std::function<bool()> checked = {});
    const Command* Find(UINT id) const;
    const std::vector<Command>& Entries() const { return commands_; }

    bool IsEnabled(UINT id) const;
    // Runs the command when it is known, built and enabled; true when it ran.
    bool Run(UINT id) const;

    // Greys and checks every item of `menu` and of its sub-menus from the
    // table; a sub-menu whose items are all unavailable is greyed as well.
    // Items the table does not know are left as they are.
    void UpdateMenu(HMENU menu) const;

    // The accelerator table of every shortcut, made on first use; when two
    // entries name one key the first one listed takes it.
    HACCEL Accelerators() const;

private:
    // True when some item of `menu` (at any depth) is available.
    bool UpdateItems(HMENU menu) const;

    std::vector<Command> commands_;
    mutable HACCEL accelerators_ = nullptr;
};
