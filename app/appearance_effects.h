// What the appearance window does to the running program at once: the
// skin, the window's alpha, the box's colours and the bars.
#pragma once

#include "appearance_host.h"
#include "box_look.h"
#include "expression_box.h"
#include "main_frame.h"
#include "skin.h"

class AppearanceEffects final : public AppearanceHost {
public:
    AppearanceEffects(Skin& skin, MainFrame& frame, BoxLook& look, const ExpressionBox& box)
        : skin_(skin), frame_(frame), look_(look), box_(box) {}

    void ApplySkin(int index) override { skin_.Apply(index); }
    void SetSkinAero(bool on) override { skin_.SetAero(on); }
    void AdjustSkinAero(const std::array<int, 7>& parameters) override { skin_.AdjustAero(parameters); }
    void SetWindowAlpha(int alpha) override { frame_.SetAlpha(alpha); }
    // The text colour is already in the record; the repaint takes it.
    void SetBoxColours(int back, int) override { look_.Paint(box_.Handle(), back); }
    void ApplyBars() override { frame_.ApplyBars(); }

private:
    Skin& skin_;
    MainFrame& frame_;
    BoxLook& look_;
    const ExpressionBox& box_;
};
