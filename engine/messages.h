// The engine's status messages, exactly as the status bar shows them.
// The source is UTF-8; the compiler stores these literals as GBK.
#pragma once

namespace msg {

// Expression taking and the fraction conversion's first pass.
inline constexpr const char* kFractionNeedsResult = "  [分数转换不能完成请求]_请先计算再转换！";
inline constexpr const char* kFractionNoNumber = "  [分数转换不能完成请求]_没有检测到小数或分数！";
inline constexpr const char* kFractionBadFormat = "  [分数转换不能完成请求]_分数格式错误！";

// Symbol normalisation and bracket check.
inline constexpr const char* kUnknownChinese = "  [表达式错误]_有不可识别的汉字字符！";
inline constexpr const char* kParenMismatch = "  [表达式错误]_错误，表达式中括号不匹配！";
inline constexpr const char* kSquareMismatch = "  [表达式错误]_错误，表达式中中括号不匹配！";
inline constexpr const char* kCurlyMismatch = "  [表达式错误]_错误，表达式中大括号不匹配！";
inline constexpr const char* kMissingParen = "  [表达式错误]_错误，公式缺少右括号！";
inline constexpr const char* kMissingSquare = "  [表达式错误]_错误，公式缺少右中括号！";
inline constexpr const char* kMissingCurly = "  [表达式错误]_错误，公式缺少右大括号！";

// Implicit multiplication, number scan and tokens.
inline constexpr const char* kMissingOperatorAfterBracket = "  [表达式错误]_错误，缺少必要的运算符！";
inline constexpr const char* kMissingOperator = "  [表达式错误]_缺少必要的运算符！";
inline constexpr const char* kTooManyPoints = "  [表达式错误]_单个操作数中小数点不能多于1个！";
inline constexpr const char* kUnknownCharacter = "  [表达式错误]_有不可识别的字符！";

// Postfix conversion and evaluation.
inline constexpr const char* kCommaMisplaced = "  [表达式错误]_逗号位置错误！";
inline constexpr const char* kMissingOperand = "  [表达式错误]_请检查操作符前后是否缺少操作数！";
inline constexpr const char* kZeroDenominator = "  [表达式错误]_输入的分数格式错误,分母不能为零！";
inline constexpr const char* kFractionPieces = "  [表达式错误]_输入的分数格式错误,缺少分母或分子！";
inline constexpr const char* kUnknownOperator = "  [运算错误]_错误的运算符！";
inline constexpr const char* kAddError = "  [运算错误]_加法运算错误或溢出！";
inline constexpr const char* kSubtractError = "  [运算错误]_减法运算错误！";
inline constexpr const char* kMultiplyError = "  [运算错误]_乘法运算错误或溢出！";
inline constexpr const char* kDivideError = "  [运算错误]_除法运算错误！";
inline constexpr const char* kIntegerDivideError = "  [运算错误]_求余运算错误！";
inline constexpr const char* kPowerError = "  [运算错误]_乘方运算错误或溢出！";
inline constexpr const char* kRootError = "  [运算错误]_开根错误或溢出！";

// Result stage and chain refresh.
inline constexpr const char* kCannotComplete = "  [表达式错误]_表达式无法完成计算，因为缺少必要的运算符！";
inline constexpr const char* kNoOperator = "  [提示]_没有检测到操作符，请继续输入！";
inline constexpr const char* kRefreshed = "  [提示]_表达式已刷新！";
inline constexpr const char* kRefreshFailed = "  [提示]_刷新失败,表达式有错误！";

// Window side.
inline constexpr const char* kStartupReady = " [提示]_初始化完毕，请输入表达式!";
inline constexpr const char* kBackupTooLarge = " [提示]_备份文本过大，未能恢复";
inline constexpr const char* kTimingPrefix = "  [运算完成]_用时 ";
inline constexpr const char* kTimingSuffix = " 秒";

// Message boxes: the settings file or the backup of the text could not be
// written; &O.清空累加器 asks first.
inline constexpr const char* kSettingsWriteFailed = "保存设置失败！";
inline constexpr const char* kErrorCaption = "错误";
inline constexpr const char* kBackupFailedQuestion = "备份文本失败，仍要退出吗？";
inline constexpr const char* kWarningCaption = "警告";
inline constexpr const char* kClearAccumulatorQuestion = "是否清空累加器！";

}  // namespace msg
