// The skin of the program's windows and its transparency effects. The skin
// engine is not built yet: the windows keep the system's look, and these
// operations do nothing.
#pragma once

#include <array>

class Skin {
public:
    // Attaches stored skin `index` (1..33) to the program's windows.
    void Apply(int) {}
    // The skin's own effects on or off.
    void SetAero(bool) {}
    // The skin's transparency and effects from the settings, or as given.
    void AdjustAero() {}
    void AdjustAero(const std::array<int, 7>&) {}
};
