#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../settings/every_setting.h"
#include "memory_file_store.h"
#include "memory_text_box.h"
#include "options_signs.h"

namespace {

// Each check box and radio choice feeds its own setting and no other.
TEST(Options, EachBooleanGoesToItsOwnSettingAndBack) {
    const std::vector<bool Settings::*> fields = {
        &Settings::LaptopKeys, &Settings::NewLineAfterResult, &Settings::NewLinePasteResult,
        &Settings::IgnoreChinese, &Settings::ResultToClipboard, &Settings::SpaceSplitsExpressions,
        &Settings::RememberContent, &Settings::MulDivSymbols, &Settings::KeepOnTop,
        &Settings::AllowMultipleInstances, &Settings::RememberPlacement, &Settings::EdgeHide,
        &Settings::DoubleClickCopy, &Settings::RoundLastDigit, &Settings::EnterInsertsNewLine,
        &Settings::ShowHideHotKeyOn, &Settings::FullScreenKeyOn, &Settings::PrefixLastResult,
        &Settings::WordWrap, &Settings::QuickSymbolKeys, &Settings::AutoReplace, &Settings::RealTimeMode};
    for (bool Settings::*field : fields) {
        Settings shown;
        shown.*field = !(shown.*field);
        Settings applied;
        ApplyOptions(FillOptions(shown), applied);
        EXPECT_EQ(KeysThatDiffer(applied, Settings{}), std::vector<std::string>{SettingKeyOf(field).name});
    }
}

// A stored number, the control's choice it shows and back; a choice of -1
// (a value the control does not offer) keeps the stored value on OK.
TEST(Options, ChoicesMapToTheirStoredNumbers) {
    struct Case {
        int Settings::*field;
        int OptionsControls::*control;
        int stored;
        int shown;
    };
    const Case cases[] = {
        {&Settings::FullScreenKeyMods, &OptionsControls::FullScreenModsIndex, 4, 3},  // Alt
        {&Settings::FullScreenKeyMods, &OptionsControls::FullScreenModsIndex, 2, 2},
        {&Settings::FullScreenKeyMods, &OptionsControls::FullScreenModsIndex, 3, -1},
        {&Settings::ShowHideHotKeyKey, &OptionsControls::ShowHideKeyIndex, 123, 11},  // F12
        {&Settings::ShowHideHotKeyKey, &OptionsControls::ShowHideKeyIndex, 114, 2},   // F3
        {&Settings::ShowHideHotKeyKey, &OptionsControls::ShowHideKeyIndex, 124, -1},
        {&Settings::FullScreenKeyKey, &OptionsControls::FullScreenKeyIndex, 112, 0},
        {&Settings::ShowHideHotKeyMods, &OptionsControls::ShowHideModsIndex, 2, 2},
        {&Settings::ThousandsSeparator, &OptionsControls::ThousandsIndex, 1, 1},
        {&Settings::ExitAction, &OptionsControls::ExitChoice, 2, 2},
        {&Settings::ExitAction, &OptionsControls::ExitChoice, 5, -1},
        {&Settings::AngleUnit, &OptionsControls::AngleChoice, 3, 2},
        {&Settings::AngleUnit, &OptionsControls::AngleChoice, 4, -1},
        {&Settings::FractionType, &OptionsControls::FractionChoice, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << SettingKeyOf(c.field).name << " " << c.stored);
        Settings settings;
        settings.*c.field = c.stored;
        const OptionsControls controls = FillOptions(settings);
        EXPECT_EQ(controls.*c.control, c.shown);
        Settings applied;
        applied.*c.field = -77;
        ApplyOptions(controls, applied);
        EXPECT_EQ(applied.*c.field, c.shown >= 0 ? c.stored : -77);
    }
}

TEST(Options, DecimalChoicesAndPrecision) {
    Settings settings;
    OptionsControls controls = FillOptions(settings);
    controls.DecimalChoice = 2;  // 直接删除超出部分: no setting of its own
    controls.PrecisionText = "9";
    ApplyOptions(controls, settings);
    EXPECT_FALSE(settings.RoundLastDigit);
    EXPECT_EQ(settings.Precision, 9);
    EXPECT_FALSE(FillOptions(Settings{}).SkinEnabled);
}

TEST(Options, UndoFieldIsHeldWhenLeftAndOnOk) {
    struct Case {
        const char* typed;
        const char* afterLeaving;
        int stored;
    };
    const Case cases[] = {
        {"999", "500", 500}, {"500", "500", 500}, {"501", "500", 500}, {"7", "7", 7},
        {"", "", kDefaultUndoDepth}, {"0", "0", kDefaultUndoDepth}, {"-5", "-5", kDefaultUndoDepth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(UndoFieldAfterFocusLoss(c.typed), c.afterLeaving);
        // OK straight from the field, without leaving it.
        Settings settings;
        OptionsControls controls = FillOptions(settings);
        controls.UndoDepthText = c.typed;
        ApplyOptions(controls, settings);
        EXPECT_EQ(settings.UndoDepth, c.stored);
    }
    EXPECT_FALSE(UndoFieldAcceptsChar('-'));
    EXPECT_TRUE(UndoFieldAcceptsChar('5'));
}

TEST(Options, ScrollPositionsAndPages) {
    struct Case {
        int scroll;
        int page;
    };
    const Case cases[] = {{0, 0}, {256, 0}, {257, 1}, {649, 1}, {650, 2}, {700, 2}, {959, 2}, {960, 3}, {1013, 3}};
    for (const Case& c : cases) EXPECT_EQ(OptionsPageAt(c.scroll), c.page) << c.scroll;
    EXPECT_EQ(kOptionsScrollMax, 1013);
    EXPECT_EQ(OptionsScrollOfPage(1), 257);
    EXPECT_EQ(OptionsPanelTop(OptionsScrollOfPage(1)), -267);
    EXPECT_EQ(OptionsScrollOfPage(3), 960);
}

TEST(Options, OkWritesItsThirtyKeysEvenOnAFirstRun) {
    MemoryFileStore store;  // no settings folder yet
    SettingsFile file{store, "C:\\app\\Numerin运行文件\\Numerin配置文件.ini"};
    ASSERT_TRUE(WriteOptionKeys(file, Settings{}));
    EXPECT_EQ(store.files[file.Path()],
              "[运行设置]\r\n双击复制=真\r\n乘除替换=真\r\n撤销设置=50\r\n边缘隐藏=假\r\n小数类型=真\r\n"
              "运算精度设置=12\r\n空格分式=假\r\n笔记本用户=假\r\n换行粘贴结果=假\r\n"
              "[其他设置]\r\n自动替换=假\r\n自动折回=假\r\n成对括号=假\r\n分数类型=0\r\n角度制选中=1\r\n"
              "窗口前置=假\r\n结果到粘贴板=假\r\n运算换行变量=假\r\n逗号千分割=0\r\n回车换行=假\r\n记住窗口=真\r\n"
              "允许多开=假\r\n退出保存=假\r\n按esc退出 =假\r\n忽略汉字=假\r\n"
              "[热键设置]\r\n热键状态=假\r\n辅助功能快捷键=0\r\n辅助快捷键=112\r\n全屏快捷键=假\r\n"
              "全屏功能快捷键=0\r\n全屏辅助快捷键=112\r\n");
    EXPECT_TRUE(ReadWordWrapKey(SettingsFile{store, file.Path()}) == false);
}

TEST(Options, SignsSwapWithTheCaretBehindTheSameCharacter) {
    struct Case {
        const char* text;
        TextPos caret;
        bool symbols;
        const char* result;
        TextPos resultCaret;
    };
    const Case cases[] = {
        {"3*4/2", 5, true, "3×4÷2", 7},
        {"3*4/2", 2, true, "3×4÷2", 3},
        {"3×4÷2", 7, false, "3*4/2", 5},
        {"3×4÷2", 0, false, "3*4/2", 0},
        {"3×4", 4, true, "3×4", 4},       // nothing to swap
        {"啊亮", 4, false, "啊亮", 4},      // B0A1 C1C1: no "×" across the two
        {"啊*亮/", 6, true, "啊×亮÷", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const SignedText out = SwapMulDivSigns(c.text, c.caret, c.symbols);
        EXPECT_EQ(out.Text, c.result);
        EXPECT_EQ(out.Caret, c.resultCaret);
        EXPECT_EQ(out.Changed, std::string(c.text) != c.result);
    }

    MemoryTextBox box("1*2\r\n3", 3);
    ApplyMulDivSigns(box, true);
    EXPECT_EQ(box.Text(), "1×2\r\n3");
    EXPECT_EQ(box.SelectionStart(), 4);
    const int changes = box.ChangeCount();
    ApplyMulDivSigns(box, true);
    EXPECT_EQ(box.ChangeCount(), changes);
}

}  // namespace
