#include "settings_reset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "every_setting.h"
#include "memory_file_store.h"

namespace {

const ResetFiles kFiles{"C:\\p\\Numerin运行文件\\Numerin备份文件.ini", "C:\\p\\Numerin运行文件\\Numerin备份文件.txt",
                        "C:\\p\\Numerin运行文件\\Numerin配置文件.ini"};

class RecordingHost : public ResetHost {
public:
    explicit RecordingHost(bool yes) : yes_(yes) {}
    bool ConfirmReset() override {
        calls.push_back("ask");
        return yes_;
    }
    void SetSkinAero() override { calls.push_back("aero off"); }
    void AdjustSkinAero(const std::array<int, 7>& p) override {
        std::string call = "adjust";
        for (int value : p) call += " " + std::to_string(value);
        calls.push_back(call);
    }
    void ApplySkin(int index) override { calls.push_back("skin " + std::to_string(index)); }
    void SetEdgeHideCountdown(int ticks) override { calls.push_back("countdown " + std::to_string(ticks)); }

    std::vector<std::string> calls;

private:
    bool yes_;
};

class SettingsResetTest : public ::testing::Test {
protected:
    SettingsResetTest() {
        for (const std::string* path : {&kFiles.BackupIni, &kFiles.BackupText, &kFiles.SettingsFile})
            store.files[*path] = "x";
    }
    MemoryFileStore store;
    Settings settings = EveryFieldChanged();
};

TEST_F(SettingsResetTest, AnswerNoChangesNothing) {
    RecordingHost host(false);
    EXPECT_EQ(ResetSettings(settings, store, kFiles, host), std::nullopt);
    EXPECT_EQ(KeysThatDiffer(settings, EveryFieldChanged()), std::vector<std::string>{});
    EXPECT_EQ(host.calls, std::vector<std::string>{"ask"});
    EXPECT_EQ(store.files.size(), 3u);
}

TEST_F(SettingsResetTest, AnswerYesSetsTheListedValuesAndKeepsTheRest) {
    RecordingHost host(true);
    const std::optional<ResetLive> live = ResetSettings(settings, store, kFiles, host);
    ASSERT_TRUE(live);
    EXPECT_EQ(live->Left, 150);
    EXPECT_EQ(live->Top, 150);
    EXPECT_EQ(live->Width, 800);
    EXPECT_EQ(live->Height, 400);
    EXPECT_EQ(live->BoxBackColour, 0xFFFFFF);

    // Every reset field named, with the value it takes where it is not the
    // record's default.
    Settings expected = EveryFieldChanged();
    const Settings defaults;
    for (bool Settings::*field :
         {&Settings::FontBold, &Settings::FontItalic, &Settings::FontStrikeOut, &Settings::FontUnderline,
          &Settings::RoundingFlag, &Settings::LaptopKeys, &Settings::NewLinePasteResult, &Settings::KeepOnTop,
          &Settings::ResultToClipboard, &Settings::NewLineAfterResult, &Settings::EnterInsertsNewLine,
          &Settings::RememberContent, &Settings::SkinEffects})
        expected.*field = false;
    for (int Settings::*field : {&Settings::FontColour, &Settings::FontSize, &Settings::ExitAction,
                                 &Settings::SkinIndex, &Settings::UndoDepth, &Settings::AngleUnit,
                                 &Settings::SkinOpacity})
        expected.*field = defaults.*field;
    expected.FontName = "Times New Roman";
    expected.RunCount = 1;
    expected.Precision = 13;
    expected.WindowLeft = 150;
    expected.WindowTop = 150;
    expected.WindowWidth = 800;
    expected.WindowHeight = 400;
    EXPECT_EQ(KeysThatDiffer(settings, expected), std::vector<std::string>{});
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ask", "aero off", "adjust 0 1 1 1 0 0 0", "skin 8",
                                                    "countdown 30"}));
}

TEST_F(SettingsResetTest, DeletesTheBackupsAndTheSettingsFileInOrderSkippingMissingOnes) {
    const struct {
        std::vector<const std::string*> missing;
        const std::string* readOnly;
        std::vector<std::string> deleted;
    } cases[] = {
        {{}, nullptr, {kFiles.BackupIni, kFiles.BackupText, kFiles.SettingsFile}},
        {{&kFiles.BackupIni, &kFiles.BackupText}, nullptr, {kFiles.SettingsFile}},
        {{&kFiles.BackupIni, &kFiles.BackupText, &kFiles.SettingsFile}, nullptr, {}},
        // One that cannot go stops nothing either, and is told.
        {{}, &kFiles.BackupText, {kFiles.BackupIni, kFiles.SettingsFile}},
    };
    for (const auto& c : cases) {
        MemoryFileStore files;
        files.files = store.files;
        for (const std::string* path : c.missing) files.files.erase(*path);
        if (c.readOnly) files.readOnly.insert(*c.readOnly);
        files.files["C:\\p\\Numerin运行文件\\other.txt"] = "y";
        RecordingHost host(true);
        const std::optional<ResetLive> live = ResetSettings(settings, files, kFiles, host);
        ASSERT_TRUE(live);
        EXPECT_EQ(live->FilesDeleted, c.readOnly == nullptr);
        EXPECT_EQ(files.deleted, c.deleted);
        EXPECT_EQ(files.files.size(), c.readOnly ? 2u : 1u);
        EXPECT_EQ(host.calls.back(), "countdown 30");  // a missing file stops nothing
    }
}

}  // namespace
