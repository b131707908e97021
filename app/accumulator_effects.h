// 累加器 over the calculator: the history records, the settings, and a new
// line in the box that the engine evaluates.
#pragma once

#include "accumulator.h"
#include "accumulator_window.h"
#include "calculator_core.h"
#include "expression_box.h"

class AccumulatorEffects final : public AccumulatorHost {
public:
    AccumulatorEffects(HINSTANCE instance, HWND owner, CalculatorCore& core, ExpressionBox& box, EngineState& state)
        : core_(core), box_(box), state_(state), window_(instance, owner, *this) {}

    AccumulatorWindow& Window() { return window_; }

    EngineState& History() override { return state_; }
    const Settings& CurrentSettings() const override { return core_.Current; }
    void InsertAndEvaluate(const std::string& expression) override {
        EditBoxAdapter::TextReuseScope reuse(core_.Text);
        InsertAccumulatorLine(core_.Text, expression);
        core_.Calculator.Evaluator();
    }
    void FocusBox() override { box_.Focus(); }

private:
    CalculatorCore& core_;
    ExpressionBox& box_;
    EngineState& state_;
    AccumulatorWindow window_;  // last: closed first, while what it uses is still there
};
