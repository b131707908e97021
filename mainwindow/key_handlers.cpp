#include "key_handlers.h"

#include "engine.h"
#include "messages.h"
#include "number_rules.h"
#include "settings.h"

namespace {
constexpr unsigned kEnter = 13;
}  // namespace

KeyHandlers::KeyHandlers(TextBox& box, StatusBar& status, Engine& engine, const Settings& settings,
                         TickSource ticks)
    : box_(box), status_(status), engine_(engine), settings_(settings), ticks_(std::move(ticks)) {}

bool KeyHandlers::KeyDownHandler(unsigned key, int /*shift*/) {
    return key == kEnter;
}

bool KeyHandlers::KeyUpHandler(unsigned key, int shift) {
    if (key != kEnter) return false;
    // Only Ctrl alone counts: Ctrl+Shift+Enter acts like Enter.
    const bool ctrl = shift == kShiftCtrl;
    if (ctrl == settings_.EnterInsertsNewLine)
        EvaluateWithTiming(!ctrl);
    else
        InsertNewLine();
    return true;
}

void KeyHandlers::EvaluateWithTiming(bool orderA) {
    const std::uint32_t t0 = ticks_();
    EngineState& state = engine_.State();
    state.EvalMode = 0;
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
    const std::uint32_t elapsed = ticks_() - t0;
    status_.SetPartText(0, std::string(msg::kTimingPrefix) + NumberToText(elapsed / 1000.0) + msg::kTimingSuffix);
}

void KeyHandlers::InsertNewLine() { box_.ReplaceSelection("\r\n"); }

void KeyHandlers::InsertLastResult() { box_.ReplaceSelection(engine_.State().LastResult); }
