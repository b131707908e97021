// What the accumulator needs of the main window: the history records, the
// settings, and a new line in the box that the engine evaluates.
#pragma once

#include "accumulator.h"
#include "accumulator_window.h"
#include "edit_box_adapter.h"
#include "engine.h"
#include "main_window.h"

class AccumulatorEffects final : public AccumulatorHost {
public:
    explicit AccumulatorEffects(MainWindow& window) : window_(window) {}
    EngineState& History() override { return window_.state_; }
    const Settings& CurrentSettings() const override { return window_.settings_; }
    void InsertAndEvaluate(const std::string& expression) override {
        EditBoxAdapter::TextReuseScope reuse(*window_.boxText_);
        InsertAccumulatorLine(*window_.boxText_, expression);
        window_.engine_->Evaluator();
    }
    void FocusBox() override { window_.FocusBox(); }

private:
    MainWindow& window_;
};
