// The skin of the program's windows and its transparency effects. The skin
// engine is not built yet: the windows keep the system's look, and these
// operations do nothing.
#pragma once

class Skin {
public:
    // Attaches the skin the settings name to the program's windows.
    void Apply() {}
    // The skin's own transparency and effects from the settings.
    void AdjustAero() {}
};
