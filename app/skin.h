// The skin of the program's windows, drawn by the program's own skin engine
// SkinH_EL.dll. The engine's file is written from the resources into the
// program's folder when it is missing (hidden) and loaded from there by
// name at the first call; when it can be neither written nor loaded every
// operation does nothing and the windows keep the system's look.
#pragma once

#include <windows.h>

#include <array>
#include <string>

class Skin {
public:
    // The engine in the executable's folder.
    Skin();
    // The engine in `folder`.
    explicit Skin(std::wstring folder);

    // Attaches stored skin `index` (1..33) to the program's windows; another
    // index attaches the system look.
    void Apply(int index);
    // The skin's own effects on or off.
    void SetAero(bool on);
    // (a, b, c, d, e, f, g) reach the engine as (a, d, c, b, 0, 0, e, f, g);
    // a, 0..500, is how strongly the skin covers the system's colours.
    void AdjustAero(const std::array<int, 7>& parameters);

    // Writes the engine's file when missing and loads it: false when the
    // engine cannot be used.
    bool Load();

private:
    std::wstring folder_;
    HMODULE engine_ = nullptr;
    int(WINAPI* attach_)(const void*, int, const char*, int, int, int) = nullptr;
    int(WINAPI* setAero_)(int) = nullptr;
    int(WINAPI* adjustAero_)(int, int, int, int, int, int, int, int, int) = nullptr;
};

// The bytes of a resource of the executable (RCDATA `name`), none when it
// is missing.
struct ResourceBytes {
    const void* data = nullptr;
    DWORD size = 0;
};
ResourceBytes RcDataResource(const wchar_t* name);
// Stored skin `index`, none outside 1..33.
ResourceBytes SkinResource(int index);

constexpr const wchar_t* kSkinEngineFile = L"SkinH_EL.dll";
// Writes the engine's bytes as `folder`\SkinH_EL.dll, hidden, when no file
// of that name exists there; true when it wrote the file.
bool WriteSkinEngineFile(const std::wstring& folder);
