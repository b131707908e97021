// The main window's frame around the box: its placement at start-up and as
// remembered for the exit save, the three bars (menu, status and title),
// the caption, the layout of the box over the status bar, always on top,
// the window's alpha and the box's wrapping.
#pragma once

#include <windows.h>

#include <string>

#include "layout.h"

class EditBoxAdapter;
class ExpressionBox;
class MainMenus;
struct Settings;

class MainFrame {
public:
    MainFrame(ExpressionBox& box, const MainMenus& menus, Settings& settings)
        : box_(box), menus_(menus), settings_(settings) {}
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    // The window and its status bar, once made.
    void Attach(HWND window, HWND status);
    HWND Status() const { return status_; }
    void StatusDestroyed() { status_ = nullptr; }

    // Start-up's placement from the settings, off-screen places corrected.
    void Place();
    // Shows the window in the state Place chose (maximised or normal).
    void Show(int showCommand);

    // The box over the status bar, its parts sized; the placement remembered.
    void Layout();
    // The window's place and state into the settings, unless minimised or
    // off the screen.
    void RememberPlacement();

    // The bars as the settings say, then the layout.
    void ApplyBars();
    void ShowAllBars();
    void FullScreen();
    // The caption names the open file; shown while the title bar is.
    void SetCaption(const std::wstring& caption);

    void SetKeepOnTop(bool onTop);
    // The whole window's alpha, 0..255, as a layered window.
    void SetAlpha(int alpha);
    // The box made again with the other wrapping when it changes; `text`
    // follows it to the new control.
    void SetWordWrap(bool wrap, EditBoxAdapter& text);

private:
    ExpressionBox& box_;
    const MainMenus& menus_;
    Settings& settings_;
    HWND window_ = nullptr;
    HWND status_ = nullptr;
    WindowState startState_ = WindowState::Normal;
    std::wstring caption_ = L"Numerel";
};
