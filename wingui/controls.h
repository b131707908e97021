// Thin helpers over the common controls' messages, so that a window's code
// says what it does to a control rather than which message it sends. Texts
// are GBK, converted at this boundary; indexes are the controls' own, -1
// for none.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Combo boxes. Items with texts, or (owner-drawn lists without strings) with
// a value each.
void AddComboItems(HWND combo, std::initializer_list<const char*> gbkItems);
void AddComboItem(HWND combo, const std::string& gbk);
int AddComboValue(HWND combo, LPARAM value);
int InsertComboValue(HWND combo, int index, LPARAM value);
int ComboCount(HWND combo);
LPARAM ComboValue(HWND combo, int index);
std::string ComboItemText(HWND combo, int index);
int ComboSelection(HWND combo);
void SelectComboItem(HWND combo, int index);

// Multiple-selection list boxes whose items each carry a value.
int AddListItem(HWND list, const std::string& gbk, LPARAM value);
int ListCount(HWND list);
LPARAM ListValue(HWND list, int index);
std::vector<int> SelectedListItems(HWND list);
int ListCaretIndex(HWND list);
void DeleteListItem(HWND list, int index);
void ClearList(HWND list);

// Tab controls.
void AddTabs(HWND tabs, std::initializer_list<const char*> gbkPages);
int TabSelection(HWND tabs);
void SelectTab(HWND tabs, int index);

// Track bars.
void SetTrackBarRange(HWND bar, int low, int high, int pageSize, int lineSize, int ticFrequency);
int TrackBarPosition(HWND bar);
void SetTrackBarPosition(HWND bar, int position);

// Up-down controls.
void SetSpinRange(HWND spin, int low, int high);
void SetSpinPosition(HWND spin, int position);

// Edit controls: the most characters typed (0: as many as memory holds),
// the selection (-1 as `end`: to the end of the text), typed text.
void LimitText(HWND edit, int characters);
void SelectText(HWND edit, int start, int end);
void PutCaretAtEnd(HWND edit);
void ReplaceSelectedText(HWND edit, const std::string& gbk);

// A window's font, and a control given another.
HFONT WindowFont(HWND window);
void SetWindowFont(HWND window, HFONT font);
