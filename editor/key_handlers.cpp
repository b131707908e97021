#include "key_handlers.h"

#include "effective_values.h"
#include "engine.h"
#include "messages.h"
#include "number_rules.h"
#include "settings.h"

namespace {

// With the quick-symbol option, these digit keys of the main keyboard give a
// symbol instead of their digit.
const char* QuickSymbolFor(unsigned key) {
    switch (key) {
        case vk::Digit(9): return "(";
        case vk::Digit(0): return ")";
        case vk::Digit(1): return "!";
        case vk::Digit(5): return "%";
        case vk::Digit(6): return "^";
        default: return nullptr;
    }
}

}  // namespace

KeyHandlers::KeyHandlers(TextBox& box, StatusBar& status, Engine& engine, Settings& settings,
                         KeyHandlerHost& host)
    : box_(box), status_(status), engine_(engine), settings_(settings), host_(host) {}

bool KeyHandlers::KeyDownHandler(unsigned key, int shift) {
    if (SpaceSplitKey(key)) return true;

    if (key == vk::kEnter) {
        enterLongPress_ = false;
        // Auto-repeated key-downs set the same interval: the host keeps a
        // running timer running, so the ticks of a held Enter are not delayed.
        host_.SetKeyDelayTimer(kKeyDelayMs);
    }

    if (settings_.FullScreenKeyOn && shift == settings_.FullScreenKeyMods &&
        static_cast<int>(key) == settings_.FullScreenKeyKey)
        host_.SetFullScreen(!host_.IsFullScreenChecked());

    // NumLock stays on: the numeric keypad types digits. Nothing else is
    // simulated, so no text of the user's is touched.
    if (key == vk::kNumLock && !host_.IsNumLockOn()) host_.PressNumLock();

    host_.FocusBox();

    if (key == vk::kEnter) return true;
    if (shift == kShiftCtrl) return CtrlKey(key);
    // A tab character would only break the expression it lands in.
    return key == vk::kTab;
}

bool KeyHandlers::SpaceSplitKey(unsigned key) {
    if (!settings_.SpaceSplitsExpressions) return false;
    if (key == vk::kSpace) {
        box_.ReplaceSelection("  ");
        return true;
    }
    // Backspace over a live selection deletes the selection as usual.
    if (key != vk::kBackspace || box_.SelectionLength() != 0) return false;
    const TextPos caret = box_.SelectionStart();
    if (caret < 2) return false;
    const std::string text = box_.Text();
    if (caret > static_cast<TextPos>(text.size()) || text.compare(static_cast<size_t>(caret - 2), 2, "  ") != 0)
        return false;
    box_.SetSelectionStart(caret - 2);
    box_.SetSelectionLength(2);
    box_.ReplaceSelection(std::string());
    box_.SetSelectionLength(0);
    return true;
}

bool KeyHandlers::CtrlKey(unsigned key) {
    if (key >= vk::kDigit0 && key <= vk::kDigit9) {
        // Only for this run: the settings file keeps its value.
        settings_.Precision = static_cast<int>(key - vk::kDigit0);
        host_.UpdateModeStatus();
    } else if (key == vk::kMinus || key == vk::kEquals) {
        const int size = StepFontSize(settings_.FontSize, key == vk::kEquals ? 2 : -2);
        if (size != settings_.FontSize) {
            settings_.FontSize = size;
            host_.FontSizeChanged();
        }
    }
    // Every other Ctrl key too: menu shortcuts reach their commands through
    // the menu, and Ctrl+arrows must not move the caret.
    return true;
}

void KeyHandlers::DelayedNewline() {
    enterLongPress_ = true;
    InsertNewLine();
}

bool KeyHandlers::KeyUpHandler(unsigned key, int shift) {
    if (key == vk::kTab) {
        host_.SetKeyDelayTimer(0);
        // The conversion writes its own result; a real-time evaluation after
        // it would append a second one.
        host_.FractionConvert();
        return true;
    }

    ReplaceQuickSymbol(key, shift);
    host_.SetKeyDelayTimer(0);

    if (key == vk::kEnter && !enterLongPress_) {
        // Only Ctrl alone counts: Shift+Enter and Ctrl+Shift+Enter act like Enter.
        const bool ctrl = shift == kShiftCtrl;
        if (ctrl == settings_.EnterInsertsNewLine)
            EvaluateWithTiming(!ctrl);
        else
            InsertNewLine();
        return true;
    }

    if (settings_.RealTimeMode && IsRealTimeKey(key, shift)) EvaluateInPlace();
    return false;
}

void KeyHandlers::ReplaceQuickSymbol(unsigned key, int shift) {
    if (!settings_.QuickSymbolKeys || (shift & (kShiftCtrl | kShiftAlt)) != 0) return;
    const char* symbol = QuickSymbolFor(key);
    if (!symbol || box_.SelectionLength() != 0) return;
    const TextPos caret = box_.SelectionStart();
    if (caret <= 0) return;
    const std::string text = box_.Text();
    // Only the digit this key has just typed: a digit that was already
    // there, or any other character, stays as it is. A digit is never the
    // trail byte of a two-byte character.
    const char digit = static_cast<char>('0' + (key - vk::kDigit0));
    if (caret > static_cast<TextPos>(text.size()) || text[static_cast<size_t>(caret - 1)] != digit) return;
    box_.SetSelectionStart(caret - 1);
    box_.SetSelectionLength(1);
    box_.ReplaceSelection(symbol);
}

bool KeyHandlers::IsRealTimeKey(unsigned key, int shift) const {
    switch (key) {
        case vk::kShift:
        case vk::kControl:
        case vk::kAlt:
        case vk::kNumLock:
            return false;
        default:
            break;
    }
    if (shift != kShiftCtrl) return true;
    // Select all, copy, the shortcut on D, undo, redo and T change nothing
    // worth evaluating; Ctrl+V and Ctrl+X do.
    switch (key) {
        case vk::kLetterA:
        case vk::kLetterC:
        case vk::kLetterD:
        case vk::kLetterZ:
        case vk::kLetterY:
        case vk::kLetterT:
            return false;
        default:
            return true;
    }
}

void KeyHandlers::EvaluateInPlace() {
    const TextPos start = box_.SelectionStart();
    const TextPos length = box_.SelectionLength();
    // A selection made with Shift and the arrows survives an evaluation that
    // left the text as it was; otherwise it could no longer be extended.
    const std::string before = length > 0 ? box_.Text() : std::string();
    engine_.Evaluator();
    const bool unchanged = length > 0 && box_.Text() == before;
    box_.SetSelectionStart(start);
    box_.SetSelectionLength(unchanged ? length : 0);
}

void KeyHandlers::EvaluateWithTiming(bool orderA) {
    const std::uint32_t t0 = host_.TickCount();
    EngineState& state = engine_.State();
    state.EvalMode = EvalMode::Plain;
    if (!engine_.Evaluator()) return;

    if (state.ResultProduced) {
        if (orderA) {
            if (settings_.NewLinePasteResult) { InsertNewLine(); InsertLastResult(); }
            if (settings_.NewLineAfterResult) InsertNewLine();
        } else {
            if (settings_.NewLineAfterResult) InsertNewLine();
            if (settings_.NewLinePasteResult) { InsertNewLine(); InsertLastResult(); }
        }
    }
    // Unsigned difference stays right across the 49-day wrap of the tick count.
    const std::uint32_t elapsed = host_.TickCount() - t0;
    status_.SetPartText(StatusPart::Message, std::string(msg::kTimingPrefix) + NumberToText(elapsed / 1000.0) + msg::kTimingSuffix);
}

void KeyHandlers::InsertNewLine() { box_.ReplaceSelection("\r\n"); }

void KeyHandlers::InsertLastResult() { box_.ReplaceSelection(engine_.State().LastResult); }
