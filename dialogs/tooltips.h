// The tooltips of the program's windows, one table per window; the
// captions are in the resource scripts, the message boxes and status
// messages in engine/messages.h. The source is UTF-8; the compiler stores
// these literals as GBK.
#pragma once

#include "accumulator_ids.h"
#include "options_ids.h"

struct ControlTip {
    int id;
    const char* text;
};

// The options panel's controls.
inline constexpr ControlTip kOptionsTips[] = {
    {IDC_OPT_NEWLINE_AFTER, "先进行运算,算出结果再换行"},
    {IDC_OPT_NEWLINE_PASTE, "进行给出计算结果，然后换一行再粘贴刚刚的结果"},
    {IDC_OPT_LAPTOP, "笔记本电脑使用"},
    {IDC_OPT_EXIT_ASK, "关闭窗口时询问"},
    {IDC_OPT_EXIT_QUIT, "关闭窗口时直接退出"},
    {IDC_OPT_EXIT_TRAY, "单关闭窗口时后台运行不退出"},
    {IDC_OPT_PREFIX_LAST, "再行首按加减乘除前面自动自动添加上次的计算结果"},
    {IDC_OPT_WORD_WRAP, "当行长度大于编辑框宽度时自动折回，多出的在第二行显示"},
    {IDC_OPT_QUICK_SYMBOLS, "不用按shift，大键盘上的！%^（）等字符就可以直接输入"},
    {IDC_OPT_AUTO_REPLACE, "当按键盘上++，**等字符时，自动替换相应的字符"},
    {IDC_OPT_SHOWHIDE_ON, "启用显示和隐藏窗口快捷键"},
    {IDC_OPT_FULLSCREEN_ON, "启用打开全屏和关闭全屏快捷键"},
    {IDC_OPT_ENTER_MODE, "计算方式"},
    {IDC_OPT_IGNORE_CHINESE, "忽略当前行公式中的汉字"},
    {IDC_OPT_RESULT_CLIPBOARD, "运算结果复制到粘贴板"},
    {IDC_OPT_SPACE_SPLITS, "在一行可以将两个算式分开，计算互不影响"},
    {IDC_OPT_REMEMBER_CONTENT, "打开程序时还有上次的计算内容"},
    {IDC_OPT_KEEP_ON_TOP, "始终在屏幕前方，不会被其他窗口挡住"},
    {IDC_OPT_MULTI_INSTANCE, "允许运行多个Numerin"},
    {IDC_OPT_REMEMBER_PLACEMENT, "下次打开程序时还保持上次的窗口大小和位置"},
    {IDC_OPT_EDGE_HIDE, "将程序移动到边缘时允许和QQ一样隐藏窗口"},
    {IDC_OPT_DECIMAL_PAD, "按位数，当位数不足时添加零补足位数"},
    {IDC_OPT_DECIMAL_ROUND, "按位数，当多于位数的零时四舍五入"},
    {IDC_OPT_PRECISION, "舍入位数"},
    {IDC_OPT_FRACTION_DECIMAL, "结果为小数时直接显示"},
    {IDC_OPT_FRACTION_IMPROPER, "结果为小数时转为分数显示"},
    {IDC_OPT_FRACTION_MIXED, "结果为小数时转为带分数显示"},
    {IDC_OPT_ANGLE_DEGREES, "输入默认为角度制"},
    {IDC_OPT_ANGLE_RADIANS, "输入默认为弧度制"},
    {IDC_OPT_ANGLE_GRADS, "输入默认为百分度制"},
};

// 累加器's controls.
inline constexpr ControlTip kAccumulatorTips[] = {
    {IDC_ACC_REMARK, "备注计算结果，需要勾选快捷设置里的忽略汉字，否则无效"},
    {IDC_ACC_ADD, "添加"},
    {IDC_ACC_ADD_ALL, "全部添加"},
    {IDC_ACC_REMOVE, "移除"},
    {IDC_ACC_REMOVE_ALL, "全部移除"},
    {IDC_ACC_OPERATION, "请选择要对结果进行的操作，默认累加"},
};

// The virtual keyboard's own surface.
inline constexpr const char kKeyboardTip[] = "双击此处关闭辅助键盘";

// The main window's status bar: what its clicks do (app/status_bar_clicks.h).
inline constexpr const char kStatusBarTip[] = "单击重算，双击全清，右击打开辅助键盘";
