// What OK in the options window does, in its order: the controls into the
// record, the options that act on live windows applied by the main window,
// the box's signs swapped to the chosen form, the option keys written.
#pragma once

#include "options.h"

class SettingsFile;
class TextBox;
struct Settings;

// What OK asks of the main window, called in this order after the record
// holds the new values.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // The main window always on top of other windows, or not.
    virtual void SetAlwaysOnTop(bool onTop) = 0;
    // Whether Esc in the main window asks it to close.
    virtual void SetEscapeCloses(bool closes) = 0;
    // Drop the show/hide hot key; when `on`, register it again with the
    // modifier (0 none, 1 Ctrl, 2 Shift) and virtual key given.
    virtual void ReRegisterShowHideHotKey(bool on, int mods, int key) = 0;
    // The box wraps its lines (vertical scroll bar only) or not (both bars).
    virtual void SetWordWrap(bool wrap) = 0;
    // The edge-hiding timer at 100 ms, or stopped.
    virtual void SetEdgeHideTimer(bool running) = 0;
    // Both 复制(兼容) items, menu bar and context menu, shown or hidden.
    virtual void ShowCompatibleCopy(bool shown) = 0;
    // The expression box, whose signs OK swaps to the chosen form.
    virtual TextBox& Box() = 0;
    // The real-time menu items, then the mode line, from the record.
    virtual void RefreshModeDisplays() = 0;
};

void ConfirmOptions(const OptionsControls& controls, Settings& settings, SettingsFile& file, OptionsHost& host);
