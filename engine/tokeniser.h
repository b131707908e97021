// The tokeniser: normalised text to the token list, with the sign pass.
#pragma once

#include <string>
#include <vector>

enum class TokeniseStatus {
    Ok,
    Failed,        // a message was produced
    Unrecognised,  // a character fits no token: the caller repairs or reports
};

struct TokeniseOutcome {
    TokeniseStatus status = TokeniseStatus::Ok;
    std::vector<std::string> tokens;  // ends with the end token " "
    std::string message;
};

inline constexpr const char* kPiText = "3.1415926535897932384";
inline constexpr const char* kEText = "2.718281828459045";

// Token scan followed by the sign pass.
TokeniseOutcome Tokenise(const std::string& normalised);

// The sign pass alone: "+"/"-" before a bracket or a number become the sign
// "~" (for "-") or vanish (for "+") where no left operand can stand.
std::vector<std::string> ApplySignPass(const std::vector<std::string>& scanned);
