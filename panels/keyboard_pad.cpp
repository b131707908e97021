#include "keyboard_pad.h"

#include "setting_table.h"
#include "settings.h"
#include "settings_file.h"
#include "settings_reader.h"
#include "settings_writer.h"
#include "text_box.h"
#include "virtual_keys.h"

namespace {

// Looked up at the first use: the key table is another unit's static.
int BracketKey() {
    static const int index = KeyIndexOf("（）");
    return index;
}

int ModeKey() {
    static const int index = KeyIndexOf("简单");
    return index;
}

}  // namespace

void KeyboardPad::Open() {
    Settings& settings = host_.CurrentSettings();
    ReadKeyboardWindowKeys(host_.File(), settings);
    host_.File().WriteBool(kKeyboardWindowOpen.section, kKeyboardWindowOpen.name, true);
    scientific_ = settings.KeyboardScientific;
    shifted_ = false;
    bracket_ = kInitialBracketCaption;
}

void KeyboardPad::Close(const WindowRect& place) {
    Settings& settings = host_.CurrentSettings();
    settings.KeyboardLeft = place.Left;
    settings.KeyboardTop = place.Top;
    settings.KeyboardWidth = place.Width;
    settings.KeyboardHeight = place.Height;
    settings.KeyboardScientific = scientific_;
    SettingsFile& file = host_.File();
    WriteSettingKeys(file, settings, {&Settings::KeyboardWidth, &Settings::KeyboardHeight, &Settings::KeyboardLeft,
                                      &Settings::KeyboardTop});
    file.WriteBool(kKeyboardWindowOpen.section, kKeyboardWindowOpen.name, false);
    WriteSettingKeys(file, settings, {&Settings::KeyboardScientific});
}

PadOutcome KeyboardPad::Press(int index, std::uint32_t seed) {
    TextBox& box = host_.Box();
    const KeyEffect effect = KeyPress(index, shifted_);
    switch (effect.Action) {
    case KeyAction::Insert:
        box.ReplaceSelection(effect.Text);
        break;
    case KeyAction::InsertInside:
        box.ReplaceSelection(effect.Text);
        box.SetSelectionStart(box.SelectionStart() - 1);
        box.SetSelectionLength(0);
        break;
    case KeyAction::RandomNumber:
        box.ReplaceSelection(RandomKeyText(seed));
        break;
    case KeyAction::SimulateKey:
        return {PadFollowUp::SimulateKey, effect.VirtualKey};
    case KeyAction::Enter:
        // Always the evaluating variant of Enter, whichever key computes.
        host_.EnterKeyUp(host_.CurrentSettings().EnterInsertsNewLine ? kShiftCtrl : 0);
        break;
    case KeyAction::Undo:
        host_.Undo();
        break;
    case KeyAction::ClearBox:
        host_.ClearBox();
        break;
    case KeyAction::InsertLastResult:
        host_.InsertLastResult();
        break;
    case KeyAction::CaretLeft:
    case KeyAction::CaretRight:
        MoveCaret(effect.Action == KeyAction::CaretRight);
        break;
    case KeyAction::ToggleShift:
        shifted_ = !shifted_;
        return {PadFollowUp::ShowCaptions, 0};
    case KeyAction::ToggleMode:
        scientific_ = !scientific_;
        host_.CurrentSettings().KeyboardScientific = scientific_;
        return {PadFollowUp::SwitchMode, 0};
    case KeyAction::Bracket: {
        const std::string text = BracketInsertText(bracket_);
        box.ReplaceSelection(text);
        if (text == "()") box.SetSelectionStart(box.SelectionStart() - 1);
        box.SetSelectionLength(0);
        break;
    }
    }
    return {};
}

void KeyboardPad::NextBracket() { bracket_ = NextBracketCaption(bracket_); }

std::string KeyboardPad::Caption(int index) const {
    // The mode key names the mode it switches to.
    if (index == ModeKey()) return scientific_ ? "简单" : "科学";
    if (index == BracketKey()) return bracket_;
    return KeyCaption(index, shifted_);
}

void KeyboardPad::MoveCaret(bool right) {
    TextBox& box = host_.Box();
    const std::string text = box.Text();
    const TextPos caret = box.SelectionStart();
    box.SetSelectionStart(right ? CaretRightOf(text, caret) : CaretLeftOf(text, caret));
    box.SetSelectionLength(0);
}
