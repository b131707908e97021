// How a result is written behind "=": the form a request asks for, and what
// the expression met that lets a fraction form apply at all.
#pragma once

enum class ResultForm {
    Decimal,
    ImproperFraction,  // "5∟2"
    MixedNumber,       // "2∟1∟2"
    // Where a fraction form would apply, the computed number's text as it
    // is, neither rounded nor grouped: what a 分数类型 outside 0..2 gives.
    ComputedText,
};

// The form the 分数类型 setting asks for: 0 decimal, 1 improper, 2 mixed.
inline ResultForm ResultFormOf(int fractionType) {
    switch (fractionType) {
    case 0: return ResultForm::Decimal;
    case 1: return ResultForm::ImproperFraction;
    case 2: return ResultForm::MixedNumber;
    default: return ResultForm::ComputedText;
    }
}

// What the evaluation has met so far. Only a result of fraction literals
// may be written as a fraction; a decimal or a function makes it a decimal
// (a change of sign aside, which a fraction keeps).
enum class FractionInput {
    None,
    FractionLiteral,
    DecimalOrFunction,
};
