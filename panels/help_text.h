// The text of 帮助, the user guide: GBK, lines ending in CR LF.
#pragma once

#include <string>

std::string HelpText();
