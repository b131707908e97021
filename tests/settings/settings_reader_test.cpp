#include "settings_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "memory_file_store.h"
#include "settings_file.h"

namespace {

const char kPath[] = "C:\\app\\Numerin运行文件\\Numerin配置文件.ini";
const char kFolder[] = "C:\\app\\Numerin运行文件";

// Every field as text, so that one table holds every type.
std::string Text(bool value) { return value ? "true" : "false"; }
std::string Text(int value) { return std::to_string(value); }
std::string Text(std::int64_t value) { return std::to_string(value); }
std::string Text(const std::string& value) { return value; }
#define FIELD(name) [](const Settings& s) { return Text(s.name); }

// One key of the file: where it lives, a stored value unlike its default,
// and the field it lands in.
struct KeyCase {
    const char* section;
    const char* key;
    std::string stored;
    std::string expectedStored;
    std::string expectedDefault;
    std::function<std::string(const Settings&)> field;
};

// Names typed out here, not taken from the program's constants, so that a
// misspelt constant fails.
std::vector<KeyCase> AllKeys() {
    return {
        {"运行设置", "窗口状态", "3", "3", "0", FIELD(WindowState)},
        {"启动窗口位置", "_启动窗口.宽度", "801", "801", "0", FIELD(WindowWidth)},
        {"启动窗口位置", "_启动窗口.高度", "602", "602", "0", FIELD(WindowHeight)},
        {"启动窗口位置", "_启动窗口.左边", "-13", "-13", "0", FIELD(WindowLeft)},
        {"启动窗口位置", "_启动窗口.顶边", "14", "14", "0", FIELD(WindowTop)},
        {"窗口状态设置", "状态栏状态", "假", "false", "true", FIELD(StatusBarVisible)},
        {"窗口状态设置", "菜单栏状态", "假", "false", "true", FIELD(MenuBarVisible)},
        {"窗口状态设置", "标题栏状态", "假", "false", "true", FIELD(TitleBarVisible)},
        {"其他设置", "允许多开", "真", "true", "false", FIELD(AllowMultipleInstances)},
        {"运行设置", "软件皮肤", "21", "21", "8", FIELD(SkinIndex)},
        {"运行设置", "背景颜色", "255", "255", "16777215", FIELD(BoxBackColour)},
        {"运行设置", "皮肤滑块条", "40", "40", "100", FIELD(SkinOpacity)},
        {"运行设置", "加载特效", "真", "true", "false", FIELD(SkinEffects)},
        {"字体设置", "字体加粗", "真", "true", "false", FIELD(FontBold)},
        {"字体设置", "字体倾斜", "真", "true", "false", FIELD(FontItalic)},
        {"字体设置", "字体删除线", "真", "true", "false", FIELD(FontStrikeOut)},
        {"字体设置", "字体下划线", "真", "true", "false", FIELD(FontUnderline)},
        {"字体设置", "字体名称", " 宋体 ", " 宋体 ", "Times New Roman", FIELD(FontName)},
        {"字体设置", "字体颜色", "128", "128", "0", FIELD(FontColour)},
        {"字体设置", "字体大小", "9", "9", "14", FIELD(FontSize)},
        {"运行设置", "退出设置", "2", "2", "0", FIELD(ExitAction)},
        {"运行设置", "撤销设置", "77", "77", "50", FIELD(UndoDepth)},
        {"运行设置", "运行次数", "5000000000", "5000000000", "1", FIELD(RunCount)},
        {"运行设置", "运算精度设置", "6", "6", "12", FIELD(Precision)},
        {"运行设置", "四舍五入", "真", "true", "false", FIELD(RoundingFlag)},
        {"运行设置", "笔记本用户", "真", "true", "false", FIELD(LaptopKeys)},
        {"运行设置", "换行粘贴结果", "真", "true", "false", FIELD(NewLinePasteResult)},
        {"其他设置", "窗口前置", "真", "true", "false", FIELD(KeepOnTop)},
        {"其他设置", "结果到粘贴板", "真", "true", "false", FIELD(ResultToClipboard)},
        {"其他设置", "运算换行变量", "真", "true", "false", FIELD(NewLineAfterResult)},
        {"其他设置", "角度制选中", "3", "3", "1", FIELD(AngleUnit)},
        {"其他设置", "回车换行", "真", "true", "false", FIELD(EnterInsertsNewLine)},
        {"其他设置", "记住窗口", "假", "false", "true", FIELD(RememberPlacement)},
        {"其他设置", "逗号千分割", "2", "2", "0", FIELD(ThousandsSeparator)},
        {"其他设置", "退出保存", "真", "true", "false", FIELD(RememberContent)},
        {"运行设置", "空格分式", "真", "true", "false", FIELD(SpaceSplitsExpressions)},
        {"运行设置", "小数类型", "假", "false", "true", FIELD(RoundLastDigit)},
        {"运行设置", "边缘隐藏", "真", "true", "false", FIELD(EdgeHide)},
        {"其他设置", "分数类型", "1", "1", "0", FIELD(FractionType)},
        {"热键设置", "热键状态", "真", "true", "false", FIELD(ShowHideHotKeyOn)},
        {"热键设置", "辅助功能快捷键", "2", "2", "0", FIELD(ShowHideHotKeyMods)},
        {"热键设置", "辅助快捷键", "115", "115", "112", FIELD(ShowHideHotKeyKey)},
        {"其他设置", "成对括号", "真", "true", "false", FIELD(QuickSymbolKeys)},
        {"其他设置", "自动折回", "真", "true", "false", FIELD(WordWrap)},
        {"其他设置", "自动替换", "真", "true", "false", FIELD(AutoReplace)},
        {"其他设置", "按esc退出 ", "真", "true", "false", FIELD(PrefixLastResult)},
        {"热键设置", "全屏快捷键", "真", "true", "false", FIELD(FullScreenKeyOn)},
        {"热键设置", "全屏功能快捷键", "4", "4", "0", FIELD(FullScreenKeyMods)},
        {"热键设置", "全屏辅助快捷键", "123", "123", "112", FIELD(FullScreenKeyKey)},
        {"其他设置", "忽略汉字", "真", "true", "false", FIELD(IgnoreChinese)},
        {"运行设置", "乘除替换", "假", "false", "true", FIELD(MulDivSymbols)},
        {"运行设置", "双击复制", "假", "false", "true", FIELD(DoubleClickCopy)},
        {"运行设置", "动态刷新", "假", "false", "true", FIELD(RealTimeMode)},
        {"运行设置", "启用皮肤", "真", "true", "false", FIELD(SkinEnabled)},
        {"运行设置", "键盘开启", "真", "true", "false", FIELD(KeyboardOpenAtStart)},
        {"运行设置", "起始选择位置", "1234", "1234", "0", FIELD(SavedCaret)},
        {"键盘窗口设置", "键盘宽度", "600", "600", "540", FIELD(KeyboardWidth)},
        {"键盘窗口设置", "键盘高度", "301", "301", "285", FIELD(KeyboardHeight)},
        {"键盘窗口设置", "键盘左边", "302", "302", "285", FIELD(KeyboardLeft)},
        {"键盘窗口设置", "键盘顶边", "303", "303", "285", FIELD(KeyboardTop)},
        {"键盘窗口设置", "键盘模式", "假", "false", "true", FIELD(KeyboardScientific)},
    };
}

void ReadEverything(const SettingsFile& file, Settings& settings) {
    ReadPlacementKeys(file, settings);
    ReadBarKeys(file, settings);
    ReadAllowMultiple(file, settings);
    ReadSkinKeys(file, settings);
    ReadFontKeys(file, settings);
    ReadOptionKeys(file, settings);
    ReadSavedCaret(file, settings);
    ReadKeyboardWindowKeys(file, settings);
}

class SettingsReaderTest : public ::testing::Test {
protected:
    SettingsReaderTest() { store.folders.insert(kFolder); }

    void Store(const char* section, const char* key, const std::string& value) {
        ASSERT_TRUE(file.WriteString(section, key, value));
    }

    MemoryFileStore store;
    SettingsFile file{store, kPath};
};

TEST_F(SettingsReaderTest, TheRecordStartsWithEveryDefault) {
    const Settings settings;
    for (const KeyCase& c : AllKeys()) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.field(settings), c.expectedDefault);
    }
}

TEST_F(SettingsReaderTest, EveryKeyLandsInItsFieldAndAMissingKeyGivesItsDefault) {
    const std::vector<KeyCase> keys = AllKeys();
    for (const KeyCase& c : keys) Store(c.section, c.key, c.stored);
    Settings settings;
    ReadEverything(file, settings);
    for (const KeyCase& c : keys) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.field(settings), c.expectedStored);
    }
    // Read again from an empty file into the same record: nothing of the
    // earlier values stays.
    store.files[kPath] = "";
    ReadEverything(file, settings);
    for (const KeyCase& c : keys) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.field(settings), c.expectedDefault);
    }
}

TEST_F(SettingsReaderTest, UndoDepthOfZeroOrLessReadsAsFifty) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"0", 50}, {"-3", 50}, {"abc", 50}, {"", 50}, {"1", 1}, {"500", 500}, {"800", 800}, {"0.9", 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Store("运行设置", "撤销设置", c.stored);
        Settings settings;
        settings.UndoDepth = 7;
        ReadOptionKeys(file, settings);
        EXPECT_EQ(settings.UndoDepth, c.expected);
    }
}

TEST_F(SettingsReaderTest, NamesThatOnlyLookAlikeAreOtherKeys) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    // Each stores "真" (or a number) under a name the reader must not take.
    const Case cases[] = {
        {"其他设置", "按esc退出", "真"},           // without its trailing blank
        {"键盘窗口设置", "键盘开启", "真"},        // the keyboard window's own key
        {"其他设置", "键盘开启", "真"},
        {"运行设置", "自动折回", "真"},            // right key, wrong section
        {"运行设置", " 撤销设置", "9"},
        {"运行设置 ", "撤销设置", "9"},
        {"其他设置", "乘除替换", "假"},
    };
    for (const Case& c : cases) Store(c.section, c.key, c.value);
    Settings settings;
    ReadOptionKeys(file, settings);
    EXPECT_FALSE(settings.PrefixLastResult);
    EXPECT_FALSE(settings.KeyboardOpenAtStart);
    EXPECT_FALSE(settings.WordWrap);
    EXPECT_EQ(settings.UndoDepth, 50);
    EXPECT_TRUE(settings.MulDivSymbols);
}

TEST_F(SettingsReaderTest, OnlyTheStoredBarsChange) {
    store.files[kPath] = "[窗口状态设置]\r\n状态栏状态=假\r\n标题栏状态=真\r\n";
    Settings settings;
    ReadBarKeys(file, settings);
    EXPECT_FALSE(settings.StatusBarVisible);
    EXPECT_TRUE(settings.MenuBarVisible);
    EXPECT_TRUE(settings.TitleBarVisible);
}

TEST_F(SettingsReaderTest, WindowHandleRoundTripsAndIsZeroWhenMissing) {
    EXPECT_EQ(ReadWindowHandleKey(file), 0);
    EXPECT_TRUE(WriteWindowHandleKey(file, 0x0001A2B4));
    EXPECT_EQ(store.files[kPath], "[运行设置]\r\n窗口代号=107188\r\n");
    EXPECT_EQ(ReadWindowHandleKey(file), 0x0001A2B4);
    EXPECT_TRUE(WriteWindowHandleKey(file, 4294967295LL));
    EXPECT_EQ(ReadWindowHandleKey(file), 4294967295LL);
}

}  // namespace
