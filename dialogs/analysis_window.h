// 辅助分析: a modal window with four pages, 进制转换 (base conversion, recomputed
// on every change), 统计分析 (statistics of numbers typed one per line) and
// two empty ones.
#pragma once

#include <windows.h>

#include "dialog.h"
#include "subclass.h"

class AnalysisWindow : public Dialog {
public:
    // Page 0 进制转换, 1 统计分析 (2 and 3 are empty).
    explicit AnalysisWindow(int startTab) : startTab_(startTab) {}

protected:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowPage(int page);
    void ConvertInput();
    void ShowStatistics();

    int startTab_;
    Subclass conversionInput_;
    Subclass statisticsInput_;
};

// &J.进制转换 (startTab 0) and &T.统计分析 (startTab 1): shows the window over
// `owner` and returns when it is closed.
void RunAnalysisWindow(HINSTANCE instance, HWND owner, int startTab);
