#include "settings_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "every_setting.h"
#include "memory_file_store.h"
#include "setting_table.h"
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

using Step = void (*)(const SettingsFile&, Settings&);

// One key of the file: the start-up step that reads it, where it lives, a
// stored value unlike its default, and the field it lands in.
struct KeyCase {
    Step step;
    const char* section;
    const char* key;
    std::string stored;
    std::string expected;
    std::function<std::string(const Settings&)> field;
};

// Names typed out here, not taken from the settings table, so that a
// misspelt name fails.
std::vector<KeyCase> AllKeys() {
    return {
        {ReadPlacementKeys, "运行设置", "窗口状态", "3", "3", FIELD(WindowState)},
        {ReadPlacementKeys, "启动窗口位置", "_启动窗口.宽度", "801", "801", FIELD(WindowWidth)},
        {ReadPlacementKeys, "启动窗口位置", "_启动窗口.高度", "602", "602", FIELD(WindowHeight)},
        {ReadPlacementKeys, "启动窗口位置", "_启动窗口.左边", "-13", "-13", FIELD(WindowLeft)},
        {ReadPlacementKeys, "启动窗口位置", "_启动窗口.顶边", "14", "14", FIELD(WindowTop)},
        {ReadBarKeys, "窗口状态设置", "状态栏状态", "假", "false", FIELD(StatusBarVisible)},
        {ReadBarKeys, "窗口状态设置", "菜单栏状态", "假", "false", FIELD(MenuBarVisible)},
        {ReadBarKeys, "窗口状态设置", "标题栏状态", "假", "false", FIELD(TitleBarVisible)},
        {ReadAllowMultiple, "其他设置", "允许多开", "真", "true", FIELD(AllowMultipleInstances)},
        {ReadSkinIndexKey, "运行设置", "软件皮肤", "21", "21", FIELD(SkinIndex)},
        {ReadBackgroundKey, "运行设置", "背景颜色", "255", "255", FIELD(BoxBackColour)},
        {ReadOpacityKeys, "运行设置", "皮肤滑块条", "40", "40", FIELD(SkinOpacity)},
        {ReadOpacityKeys, "运行设置", "加载特效", "真", "true", FIELD(SkinEffects)},
        {ReadFontKeys, "字体设置", "字体加粗", "真", "true", FIELD(FontBold)},
        {ReadFontKeys, "字体设置", "字体倾斜", "真", "true", FIELD(FontItalic)},
        {ReadFontKeys, "字体设置", "字体删除线", "真", "true", FIELD(FontStrikeOut)},
        {ReadFontKeys, "字体设置", "字体下划线", "真", "true", FIELD(FontUnderline)},
        {ReadFontKeys, "字体设置", "字体名称", " 宋体 ", " 宋体 ", FIELD(FontName)},
        {ReadFontKeys, "字体设置", "字体颜色", "128", "128", FIELD(FontColour)},
        {ReadFontKeys, "字体设置", "字体大小", "9", "9", FIELD(FontSize)},
        {ReadOptionKeys, "运行设置", "退出设置", "2", "2", FIELD(ExitAction)},
        {ReadOptionKeys, "运行设置", "撤销设置", "77", "77", FIELD(UndoDepth)},
        {ReadOptionKeys, "运行设置", "运行次数", "5000000000", "5000000000", FIELD(RunCount)},
        {ReadOptionKeys, "运行设置", "运算精度设置", "6", "6", FIELD(Precision)},
        {ReadOptionKeys, "运行设置", "四舍五入", "真", "true", FIELD(RoundingFlag)},
        {ReadOptionKeys, "运行设置", "笔记本用户", "真", "true", FIELD(LaptopKeys)},
        {ReadOptionKeys, "运行设置", "换行粘贴结果", "真", "true", FIELD(NewLinePasteResult)},
        {ReadOptionKeys, "其他设置", "窗口前置", "真", "true", FIELD(KeepOnTop)},
        {ReadOptionKeys, "其他设置", "结果到粘贴板", "真", "true", FIELD(ResultToClipboard)},
        {ReadOptionKeys, "其他设置", "运算换行变量", "真", "true", FIELD(NewLineAfterResult)},
        {ReadOptionKeys, "其他设置", "角度制选中", "3", "3", FIELD(AngleUnit)},
        {ReadOptionKeys, "其他设置", "回车换行", "真", "true", FIELD(EnterInsertsNewLine)},
        {ReadOptionKeys, "其他设置", "记住窗口", "假", "false", FIELD(RememberPlacement)},
        {ReadOptionKeys, "其他设置", "逗号千分割", "2", "2", FIELD(ThousandsSeparator)},
        {ReadOptionKeys, "其他设置", "退出保存", "真", "true", FIELD(RememberContent)},
        {ReadOptionKeys, "运行设置", "空格分式", "真", "true", FIELD(SpaceSplitsExpressions)},
        {ReadOptionKeys, "运行设置", "小数类型", "假", "false", FIELD(RoundLastDigit)},
        {ReadOptionKeys, "运行设置", "边缘隐藏", "真", "true", FIELD(EdgeHide)},
        {ReadOptionKeys, "其他设置", "分数类型", "1", "1", FIELD(FractionType)},
        {ReadOptionKeys, "热键设置", "热键状态", "真", "true", FIELD(ShowHideHotKeyOn)},
        {ReadOptionKeys, "热键设置", "辅助功能快捷键", "2", "2", FIELD(ShowHideHotKeyMods)},
        {ReadOptionKeys, "热键设置", "辅助快捷键", "115", "115", FIELD(ShowHideHotKeyKey)},
        {ReadOptionKeys, "其他设置", "成对括号", "真", "true", FIELD(QuickSymbolKeys)},
        {ReadOptionKeys, "其他设置", "自动折回", "真", "true", FIELD(WordWrap)},
        {ReadOptionKeys, "其他设置", "自动替换", "真", "true", FIELD(AutoReplace)},
        {ReadOptionKeys, "其他设置", "按esc退出 ", "真", "true", FIELD(PrefixLastResult)},
        {ReadOptionKeys, "热键设置", "全屏快捷键", "真", "true", FIELD(FullScreenKeyOn)},
        {ReadOptionKeys, "热键设置", "全屏功能快捷键", "4", "4", FIELD(FullScreenKeyMods)},
        {ReadOptionKeys, "热键设置", "全屏辅助快捷键", "123", "123", FIELD(FullScreenKeyKey)},
        {ReadOptionKeys, "其他设置", "忽略汉字", "真", "true", FIELD(IgnoreChinese)},
        {ReadOptionKeys, "运行设置", "乘除替换", "假", "false", FIELD(MulDivSymbols)},
        {ReadOptionKeys, "运行设置", "双击复制", "假", "false", FIELD(DoubleClickCopy)},
        {ReadOptionKeys, "运行设置", "动态刷新", "假", "false", FIELD(RealTimeMode)},
        {ReadOptionKeys, "运行设置", "启用皮肤", "真", "true", FIELD(SkinEnabled)},
        {ReadOptionKeys, "运行设置", "键盘开启", "真", "true", FIELD(KeyboardOpenAtStart)},
        {ReadSavedCaret, "运行设置", "起始选择位置", "1234", "1234", FIELD(SavedCaret)},
        {ReadKeyboardWindowKeys, "键盘窗口设置", "键盘宽度", "600", "600", FIELD(KeyboardWidth)},
        {ReadKeyboardWindowKeys, "键盘窗口设置", "键盘高度", "301", "301", FIELD(KeyboardHeight)},
        {ReadKeyboardWindowKeys, "键盘窗口设置", "键盘左边", "302", "302", FIELD(KeyboardLeft)},
        {ReadKeyboardWindowKeys, "键盘窗口设置", "键盘顶边", "303", "303", FIELD(KeyboardTop)},
        {ReadKeyboardWindowKeys, "键盘窗口设置", "键盘模式", "假", "false", FIELD(KeyboardScientific)},
    };
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

// Each key stored alone: its own step reads it into its field, and no
// step changes any other field.
TEST_F(SettingsReaderTest, EachKeyIsReadByItsOwnStepIntoItsField) {
    const std::vector<KeyCase> keys = AllKeys();
    ASSERT_EQ(keys.size(), std::size(kSettingKeys));
    std::vector<Step> steps;
    for (const KeyCase& c : keys) {
        if (std::find(steps.begin(), steps.end(), c.step) == steps.end()) steps.push_back(c.step);
    }
    const Settings defaults;
    for (const KeyCase& stored : keys) {
        SCOPED_TRACE(stored.key);
        store.files[kPath] = "";
        Store(stored.section, stored.key, stored.stored);
        for (std::size_t step = 0; step < steps.size(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            Settings settings;
            steps[step](file, settings);
            for (const KeyCase& c : keys) {
                const bool read = &c == &stored && c.step == steps[step];
                EXPECT_EQ(c.field(settings), read ? c.expected : c.field(defaults)) << c.key;
            }
        }
    }
}

TEST_F(SettingsReaderTest, AMissingFileGivesEveryDefault) {
    Settings settings = EveryFieldChanged();
    ReadEveryStep(file, settings);
    EXPECT_EQ(KeysThatDiffer(settings, Settings{}), std::vector<std::string>{});
}

TEST_F(SettingsReaderTest, ReadLimitsApplyToTheStoredNumber) {
    constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
    const auto undoDepth = [](const Settings& s) -> std::int64_t { return s.UndoDepth; };
    const auto savedCaret = [](const Settings& s) -> std::int64_t { return s.SavedCaret; };
    const auto fontSize = [](const Settings& s) -> std::int64_t { return s.FontSize; };
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        std::int64_t (*field)(const Settings&);
        std::int64_t expected;
    };
    const Case cases[] = {
        {"运行设置", "撤销设置", "0", undoDepth, kDefaultUndoDepth},
        {"运行设置", "撤销设置", "-3", undoDepth, kDefaultUndoDepth},
        {"运行设置", "撤销设置", "abc", undoDepth, kDefaultUndoDepth},
        {"运行设置", "撤销设置", "", undoDepth, kDefaultUndoDepth},
        {"运行设置", "撤销设置", "0.9", undoDepth, kDefaultUndoDepth},
        {"运行设置", "撤销设置", "1", undoDepth, 1},
        {"运行设置", "撤销设置", "800", undoDepth, 800},           // the 500 cap applies when used
        {"运行设置", "起始选择位置", "5000000000", savedCaret, kInt32Max},
        {"运行设置", "起始选择位置", "-5000000000", savedCaret, kInt32Min},
        {"运行设置", "起始选择位置", "-7", savedCaret, -7},
        {"字体设置", "字体大小", "72", fontSize, 72},
        {"字体设置", "字体大小", "73", fontSize, 72},
        {"字体设置", "字体大小", "100000", fontSize, 72},
        {"字体设置", "字体大小", "2147483647", fontSize, 72},
        {"字体设置", "字体大小", "1e30", fontSize, 72},
        {"字体设置", "字体大小", "1", fontSize, 1},
        {"字体设置", "字体大小", "0", fontSize, 1},
        {"字体设置", "字体大小", "-5", fontSize, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.stored);
        Store(c.section, c.key, c.stored);
        Settings settings;
        settings.UndoDepth = 7;
        settings.SavedCaret = 7;
        settings.FontSize = 7;
        ReadOptionKeys(file, settings);
        ReadSavedCaret(file, settings);
        ReadFontKeys(file, settings);
        EXPECT_EQ(c.field(settings), c.expected);
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
    EXPECT_EQ(settings.UndoDepth, kDefaultUndoDepth);
    EXPECT_TRUE(settings.MulDivSymbols);
}

TEST_F(SettingsReaderTest, StartUpInOneReadOnceScopeReadsTheFileOnce) {
    Store("运行设置", "撤销设置", "77");
    Store("键盘窗口设置", "键盘宽度", "600");
    store.readCount = 0;
    Settings settings;
    {
        SettingsFile::ReadOnceScope once(file);
        ReadEveryStep(file, settings);
        // The instance check writes in between: the write reads the file
        // again, and what it wrote is read back without another read.
        EXPECT_TRUE(WriteWindowHandleKey(file, 42));
        EXPECT_EQ(ReadWindowHandleKey(file), 42);
        ReadKeyboardWindowKeys(file, settings);
    }
    EXPECT_EQ(store.readCount, 2);
    EXPECT_EQ(settings.UndoDepth, 77);
    EXPECT_EQ(settings.KeyboardWidth, 600);
    // Outside a scope every read goes to the file again.
    store.files[kPath] = "[运行设置]\r\n撤销设置=5\r\n";
    ReadOptionKeys(file, settings);
    EXPECT_EQ(settings.UndoDepth, 5);
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
