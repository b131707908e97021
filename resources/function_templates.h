// The texts that the insert-function items of the context menu put into the
// expression box, in menu order: item i (id IDM_INSERT_FUNCTION_FIRST + i)
// inserts kFunctionTemplates[i]. The menu captions live in numerel.rc.
#pragma once

#include <cstddef>

#include "resource_ids.h"

struct FunctionTemplate {
    const char* Text;  // inserted at the caret, replacing the selection
    int CaretBack;     // bytes the caret moves back afterwards: into the brackets
};

inline constexpr FunctionTemplate kFunctionTemplates[] = {
    {"sin()", 1},  {"sinh()", 1}, {"asin()", 1}, {"asinh()", 1},
    {"cos()", 1},  {"cosh()", 1}, {"acos()", 1}, {"acosh()", 1},
    {"tan()", 1},  {"tanh()", 1}, {"atan()", 1}, {"atanh()", 1},
    {"lg()", 1},   {"log(,)", 2},  // caret between "(" and ","
    {"ln()", 1},   {"int()", 1},
};

static_assert(sizeof(kFunctionTemplates) / sizeof(kFunctionTemplates[0]) == IDM_INSERT_FUNCTION_COUNT,
              "one template per insert-function menu item");
