// Ready-made texts the context menu puts into the box at the caret: the
// function templates of 插入函数 and the separator line.
#pragma once

#include "function_templates.h"
#include "text_box.h"

// The template replaces the selection; the caret then steps back into its
// brackets.
void InsertTemplate(TextBox& box, const FunctionTemplate& functionTemplate);

// CR LF, 106 × "━", CR LF at the caret.
void InsertSeparatorLine(TextBox& box);
