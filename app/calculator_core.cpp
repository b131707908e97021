#include "calculator_core.h"

#include "program_files.h"

CalculatorCore::CalculatorCore(HWND window, HWND box, HWND status, const std::wstring& programFolder,
                               Settings& settings, EngineState& state, KeyHandlerHost& keyHost,
                               TextChangedHost& changeHost)
    : Current(settings),
      Files(programFolder),
      SettingsStore(Files, programfiles::kSettingsFile),
      Text(box),
      Status(status),
      Clipboard(window),
      Calculator(Text, Status, Clipboard, settings, state),
      Keys(Text, Status, Calculator, settings, keyHost),
      Chars(Text, settings, state),
      Lines(Text, Status, Clipboard, settings, Calculator),
      TextChanged(Text, Status, settings, changeHost),
      Drop(Text, window) {}

void CalculatorCore::RecordUndoSnapshot() {
    History.SetDepth(Current.UndoDepth);
    History.Record(Text.Text(), Text.SelectionStart());
}

void CalculatorCore::Undo() {
    if (const UndoSnapshot* step = History.Undo()) TextChanged.RestoreSnapshot(step->Text, step->Caret);
}

void CalculatorCore::Redo() {
    if (const UndoSnapshot* step = History.Redo()) TextChanged.RestoreSnapshot(step->Text, step->Caret);
}
