// Operator-stack conversion of the token list to postfix order.
#pragma once

#include <string>
#include <vector>

// True for the 22 prefix names (functions and the sign "~").
bool IsPrefixName(const std::string& token);

// On success `postfix` ends with the end mark " "; on failure `message` is
// the misplaced-comma message.
bool ConvertToPostfix(const std::vector<std::string>& tokens, std::vector<std::string>& postfix,
                      std::string& message);
