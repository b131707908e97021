// Typing hints of status part 0, shown after every change of the box's text
// while real-time mode is off. The source is UTF-8; the compiler stores these
// literals as GBK.
#pragma once

namespace hint {

// Enter starts a new line, Ctrl+Enter evaluates.
inline constexpr const char* kEnterNewLine = " [提示]_ 表达式输入完毕按“CTRL+回车键”计算，按“回车键”换行";
// Enter evaluates, and the caret's line already shows a result.
inline constexpr const char* kLineModified = " [提示]_ 表达式修改完毕短按“回车键”刷新！";
// Enter evaluates, and the caret's line has no result yet.
inline constexpr const char* kLineTyped = " [提示]_ 表达式输入完毕短按“回车键”计算,“CTRL+回车键”或长按“回车键”换行";

}  // namespace hint
