// Commands that work on whole lines of the expression box through the
// engine: batch calculation of every line, the sum of the selected lines'
// results, the decimal/fraction conversion of the caret line's result, and
// the refresh of the caret line's chain.
//
// The batch is the one that must stay fast on long texts: every write to the
// real box costs a redraw and every read a conversion. It therefore takes the
// text once, evaluates it line by line on an in-memory copy and writes the
// outcome back with one whole-text write.
#pragma once

#include "text_box.h"

class Engine;
struct Settings;

class LineCommands {
public:
    // `engine` must work on `box`, `status` and `clipboard`, with `settings`;
    // the batch runs a second engine on its copy that shares them and the
    // engine's state.
    LineCommands(TextBox& box, StatusBar& status, ClipboardSink& clipboard, const Settings& settings,
                 Engine& engine);

    // Evaluates every line from the first to the last (in space-split mode
    // every blank-separated expression), then leaves the caret behind the
    // text's first byte. The caller gives the box the focus.
    void BatchEvaluate();

    // Appends a line that adds up the results of the lines the selection
    // touches, and evaluates it. Nothing happens without a selection.
    void SumResults();

    // Decimal -> improper fraction -> mixed number -> decimal for the caret
    // line's result. The evaluation mode is plain again afterwards, whatever
    // happened.
    void FractionConvert();
    void ContextFractionConvert() { FractionConvert(); }

    // Recalculates the chain of results on the caret line.
    void RefreshCommand();

private:
    TextBox& box_;
    StatusBar& status_;
    ClipboardSink& clipboard_;
    const Settings& settings_;
    Engine& engine_;
};

// The batch walk run straight on `box`, every write landing there as it
// happens; `engine` works on `box`. BatchEvaluate ends in the same text,
// caret, messages and engine state.
void BatchEvaluateInPlace(TextBox& box, Engine& engine, const Settings& settings);
