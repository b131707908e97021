// What OK in the options window does to the running program at once: the
// frame, the menus, the hot key and the edge-hiding timer, the box's
// wrapping and the mode displays, each as the values given say.
#pragma once

#include "edge_docking.h"
#include "edit_box_adapter.h"
#include "main_frame.h"
#include "main_menus.h"
#include "mode_displays.h"
#include "options_confirm.h"

class OptionsEffects final : public OptionsHost {
public:
    // `escCloses` is the main window's flag for Esc.
    OptionsEffects(HWND window, MainFrame& frame, MainMenus& menus, EdgeDocking& edge, ModeDisplays& modes,
                   EditBoxAdapter& text, bool& escCloses)
        : window_(window), frame_(frame), menus_(menus), edge_(edge), modes_(modes), text_(text),
          escCloses_(escCloses) {}

    void SetAlwaysOnTop(bool onTop) override { frame_.SetKeepOnTop(onTop); }
    void SetEscapeCloses(bool closes) override { escCloses_ = closes; }
    void ReRegisterShowHideHotKey(bool on, int mods, int key) override {
        edge_.RegisterShowHideHotKey(window_, on, mods, key);
    }
    void SetWordWrap(bool wrap) override { frame_.SetWordWrap(wrap, text_); }
    void SetEdgeHideTimer(bool running) override { edge_.SetEdgeHideTimer(window_, running); }
    void ShowCompatibleCopy(bool shown) override { menus_.SetCompatCopyVisible(window_, shown); }
    TextBox& Box() override { return text_; }
    void RefreshModeDisplays() override { modes_.ModesChanged(); }

private:
    HWND window_;
    MainFrame& frame_;
    MainMenus& menus_;
    EdgeDocking& edge_;
    ModeDisplays& modes_;
    EditBoxAdapter& text_;
    bool& escCloses_;
};
