#include "insert_commands.h"

#include <string>

void InsertTemplate(TextBox& box, const FunctionTemplate& functionTemplate) {
    box.ReplaceSelection(functionTemplate.Text);
    box.SetSelectionStart(box.SelectionStart() - functionTemplate.CaretBack);
}

void InsertSeparatorLine(TextBox& box) {
    constexpr int kRuleCharacters = 106;
    std::string line = "\r\n";
    for (int i = 0; i < kRuleCharacters; ++i) line += "━";
    line += "\r\n";
    box.ReplaceSelection(line);
}
