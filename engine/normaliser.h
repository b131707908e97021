// Symbol normalisation and bracket check: the prepared expression becomes the
// text of one-byte internal operators that the token scan reads.
#pragma once

#include <string>

struct Settings;

// Walks `expressionText` (ending in the end mark " ") once. On success
// `normalised` holds the rewritten text (ending in " ") and true is returned;
// on failure `message` holds the status message and false is returned.
bool NormaliseSymbols(const std::string& expressionText, const Settings& settings,
                      std::string& normalised, std::string& message);
