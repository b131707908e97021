// What the appearance window does to the running program: the skin, the
// window's alpha, the box's colours and the bars.
#pragma once

#include "appearance_window.h"
#include "main_window.h"

class AppearanceEffects final : public AppearanceHost {
public:
    explicit AppearanceEffects(MainWindow& window) : window_(window) {}
    void ApplySkin(int index) override { window_.skin_->Apply(index); }
    void SetSkinAero(bool on) override { window_.skin_->SetAero(on); }
    void AdjustSkinAero(const std::array<int, 7>& parameters) override { window_.skin_->AdjustAero(parameters); }
    void SetWindowAlpha(int alpha) override {
        SetLayeredWindowAttributes(window_.Handle(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    }
    // The text colour is already in the record; the repaint takes it.
    void SetBoxColours(int back, int) override { window_.PaintBox(back); }
    void ApplyBars() override { window_.ApplyBars(); }

private:
    MainWindow& window_;
};
