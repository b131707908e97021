// The analysis window's statistics page: numbers typed one per line, their
// descriptive statistics as ten labelled lines.
#pragma once

#include <optional>
#include <string>

// The ten labels with no values, CR LF between them: the page's empty result.
extern const char kStatisticsTemplate[];

// The result text for the input box's text (GBK, lines split at CR LF, a
// line that is no number counting as 0, a final line end adding nothing);
// nothing for an empty text, which leaves the shown result as it is.
std::optional<std::string> StatisticsText(const std::string& input);
