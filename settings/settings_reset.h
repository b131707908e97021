// The reset of the settings (menu item 重置设置): after a Yes to its
// question, part of the record goes back to fixed values, the skin to
// stored skin 8, and the settings file and the backups are deleted. It
// writes no key: the next exit save writes what it writes, and every other
// key takes its default at the next start.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "file_store.h"
#include "settings.h"

inline constexpr char kResetQuestion[] = "重置后设置将丢失，是否继续!";
inline constexpr char kResetCaption[] = "重置设置";
inline constexpr unsigned kResetQuestionFlags = 0x34;  // Yes and No, exclamation icon

// The skin engine's transparency parameters after a reset.
inline constexpr std::array<int, 7> kResetSkinAero = {0, 1, 1, 1, 0, 0, 0};
inline constexpr int kResetSkinIndex = 8;
inline constexpr int kResetEdgeHideCountdown = 30;

// What the reset needs of the main window.
class ResetHost {
public:
    virtual ~ResetHost() = default;
    // The question (kResetQuestion); true only for Yes.
    virtual bool ConfirmReset() = 0;
    // Skin effects off.
    virtual void SetSkinAero() = 0;
    virtual void AdjustSkinAero(const std::array<int, 7>& parameters) = 0;
    // Attaches a stored skin, 1..33.
    virtual void ApplySkin(int index) = 0;
    // Ticks of the edge-hiding timer before the window may slide out again.
    virtual void SetEdgeHideCountdown(int ticks) = 0;
};

// The files the reset deletes, in the order deleted.
struct ResetFiles {
    std::string BackupIni;   // never written by the program; deleted when there
    std::string BackupText;
    std::string SettingsFile;
};

// What the main window applies at once after a reset. The box's font and
// text colour are the record's font fields, which the reset set.
struct ResetLive {
    // The main window's outer rectangle; also the record's placement.
    int Left = 150, Top = 150, Width = 800, Height = 400;
    // The box is painted white; BoxBackColour keeps its value.
    int BoxBackColour = 0xFFFFFF;
    // False when a file could not be deleted (read-only, held open): its
    // old values would come back at the next start.
    bool FilesDeleted = true;
};

// The reset's values: font, placement, options, skin opacity and effects.
// Precision becomes 13 though a missing key reads 12; KeepOnTop is cleared
// in the record only, the window stays as it is.
ResetLive ApplyResetValues(Settings& settings);

// Asks first; anything but Yes changes nothing and gives nothing. Then the
// values, the skin calls, the deletions (a missing or undeletable file is
// skipped without a message) and the edge-hiding countdown.
std::optional<ResetLive> ResetSettings(Settings& settings, FileStore& store, const ResetFiles& files,
                                       ResetHost& host);
