// The skin engine through the program's Skin object: the engine's file, its
// calls, and the colours a new dialog gets.
#include <gtest/gtest.h>
#include <windows.h>

#include "program_folder.h"
#include "skin.h"
#include "skin_format.h"

namespace {

std::wstring EnginePath(const std::wstring& folder) { return folder + L"\\" + kSkinEngineFile; }

TEST(SkinEngineFile, WrittenHiddenWhenMissingAndLeftAloneWhenPresent) {
    const ResourceBytes engine = RcDataResource(L"SKINENGINE");
    ASSERT_GT(engine.size, 2u);
    const std::string bytes(static_cast<const char*>(engine.data), engine.size);
    EXPECT_EQ(bytes.substr(0, 2), "MZ");

    ProgramFolder missing;
    EXPECT_TRUE(WriteSkinEngineFile(missing.Path()));
    EXPECT_TRUE(GetFileAttributesW(EnginePath(missing.Path()).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ProgramFolder::ReadBytes(EnginePath(missing.Path())), bytes);

    ProgramFolder present;
    ASSERT_TRUE(ProgramFolder::WriteBytes(EnginePath(present.Path()), "not an engine"));
    EXPECT_FALSE(WriteSkinEngineFile(present.Path()));
    EXPECT_EQ(ProgramFolder::ReadBytes(EnginePath(present.Path())), "not an engine");
    // An engine that does not load leaves every call a no-op.
    Skin broken(present.Path());
    EXPECT_FALSE(broken.Load());
    broken.Apply(8);
    broken.SetAero(true);
    broken.AdjustAero({500, 1, 1, 1, 0, 0, 0});
}

TEST(SkinEngineFile, ExportsItsThreeCallsByName) {
    ProgramFolder folder;
    ASSERT_TRUE(WriteSkinEngineFile(folder.Path()));
    const HMODULE engine = LoadLibraryW(EnginePath(folder.Path()).c_str());
    ASSERT_NE(engine, nullptr);
    for (const char* name : {"SkinH_AttachRes", "SkinH_SetAero", "SkinH_AdjustAero"})
        EXPECT_NE(GetProcAddress(engine, name), nullptr) << name;
    FreeLibrary(engine);
}

TEST(SkinEngineFile, AFolderThatCannotBeWrittenLeavesTheProgramUnskinned) {
    ProgramFolder folder;
    // A "folder" below a plain file: nothing can be created there.
    ASSERT_TRUE(ProgramFolder::WriteBytes(folder.Path() + L"\\file", "x"));
    const std::wstring unwritable = folder.Path() + L"\\file\\program";
    Skin skin(unwritable);
    EXPECT_FALSE(skin.Load());
    skin.Apply(8);
    skin.SetAero(true);
    skin.AdjustAero({kFullEffectsStrength, 1, 1, 1, 0, 0, 0});
    EXPECT_EQ(GetFileAttributesW(EnginePath(unwritable).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SkinResources, ThirtyThreeWholeSkinsAndSixteenIsTheSystemLook) {
    for (int index = 1; index <= 33; ++index) {
        const ResourceBytes bytes = SkinResource(index);
        const auto skin = ParseSkin(bytes.data, bytes.size);
        ASSERT_TRUE(skin) << index;
        EXPECT_EQ(skin->systemLook, index == 16) << index;
    }
    EXPECT_EQ(SkinResource(0).data, nullptr);
    EXPECT_EQ(SkinResource(34).data, nullptr);
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The colour of the brush a new dialog paints its background or a label with.
COLORREF NewDialogBrushColour(UINT message) {
    alignas(4) WORD tpl[12] = {};
    const DWORD style = WS_POPUP | WS_CAPTION;
    tpl[0] = LOWORD(style);
    tpl[1] = HIWORD(style);
    tpl[7] = 100;  // cx
    tpl[8] = 50;   // cy
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(tpl),
                                                   nullptr, PlainDialog, 0);
    const HWND label = CreateWindowExW(0, L"Static", L"x", WS_CHILD, 0, 0, 10, 10, dialog, nullptr, nullptr, nullptr);
    const HDC dc = GetDC(dialog);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(dialog, message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(message == WM_CTLCOLORDLG ? dialog : label)));
    LOGBRUSH logical{};
    const bool read = brush && GetObjectW(brush, sizeof logical, &logical) == sizeof logical;
    ReleaseDC(dialog, dc);
    DestroyWindow(dialog);
    return read ? logical.lbColor : CLR_INVALID;
}

// The engine's strength is the effects layer's: even 0, as the reset of the
// settings passes it, leaves the skin whole.
TEST(SkinAttach, NewDialogsTakeTheSkinsBackgroundWhateverTheEffectsStrength) {
    Skin skin;
    ASSERT_TRUE(skin.Load());
    const COLORREF system = GetSysColor(COLOR_3DFACE);
    const auto skin8 = ParseSkin(SkinResource(8).data, SkinResource(8).size);
    ASSERT_TRUE(skin8);
    const COLORREF window8 = skin8->colours[kSkinDialog];
    ASSERT_NE(window8, system);
    struct Case {
        int index, strength;
        COLORREF expected;
    };
    const Case cases[] = {
        {8, 500, window8},
        {8, 250, window8},
        {8, 0, window8},
        {16, 500, system},
        {0, 500, system},
        {34, 500, system},
    };
    skin.SetAero(false);
    for (const Case& c : cases) {
        skin.AdjustAero({c.strength, 1, 1, 1, 0, 0, 0});
        skin.Apply(c.index);
        EXPECT_EQ(NewDialogBrushColour(WM_CTLCOLORDLG), c.expected) << c.index << " " << c.strength;
        EXPECT_EQ(NewDialogBrushColour(WM_CTLCOLORSTATIC), c.expected) << c.index << " " << c.strength;
    }
    skin.AdjustAero({kFullEffectsStrength, 1, 1, 1, 0, 0, 0});
}

}  // namespace
