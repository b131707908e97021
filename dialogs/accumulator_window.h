// 累加器: a non-modal window owned by the main window. 列表框1 lists the
// history records, 列表框2 the chosen ones; 确定 has the main window put the
// built expression on a line of its own and evaluate it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "accumulator.h"
#include "balloon_tip.h"
#include "dialog.h"
#include "subclass.h"

class AccumulatorWindow : public Dialog {
public:
    // `host` must outlive the window.
    AccumulatorWindow(HINSTANCE instance, HWND owner, AccumulatorHost& host)
        : instance_(instance), owner_(owner), host_(host) {}
    ~AccumulatorWindow() override;

    // 累加器 (Ctrl+M): makes the window anew with the records as they are
    // now (one open is closed first); then the box has the focus back.
    void Open();

protected:
    bool OnInit() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnClose() override;

private:
    void AddEntry(HWND list, std::size_t entry);
    void MoveEntries(int from, int to, bool all);
    void ShowEntryTip(HWND list, LPARAM clientPoint);
    void HideEntryTip();
    void Accept();
    void ClearRecords();
    void Close();

    HINSTANCE instance_;
    HWND owner_;
    AccumulatorHost& host_;
    // Item data of both lists: an index into these.
    std::vector<AccumulatorEntry> entries_;
    BalloonTip tips_;
    Subclass recordsMouse_;
    Subclass chosenMouse_;
};

// &O.清空累加器: asks over `owner`, then on OK empties the records. An open
// window keeps its lists; its 确定 skips the entries whose record is gone.
// True when the records were emptied.
bool ClearAccumulator(HWND owner, EngineState& history);
