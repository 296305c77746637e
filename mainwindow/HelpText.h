// The help text of the main window, one entry per line.
#pragma once

#include <string>
#include <vector>

const std::vector<std::string>& HelpText();
