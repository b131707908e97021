// The list functions log, max, min, sum, if and tjfx. They are recognised so
// the dispatch and the postfix conversion know them, but not evaluated yet.
#include "functions.h"
#include "messages.h"
#include "postfix_evaluation.h"

bool IsListFunction(const std::string& token) {
    return token == "log" || token == "max" || token == "min" || token == "if" ||
           token == "tjfx" || token == "sum";
}

bool ApplyListFunction(const std::string&, EvaluationContext& context) {
    context.message = msg::kUnknownOperator;
    return false;
}
