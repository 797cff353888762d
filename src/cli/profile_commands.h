#pragma once

#include <ostream>
#include <string>
#include <vector>

// `mousecfg export CONFIG [--macros RECORD_INI] [--labels STR_INI] [--sensor N] [-o FILE]` and
// `mousecfg import PROFILE --config OUT [--macros RECORD_INI] [--labels STR_INI]`. The arguments
// start with the command. Exit 0, 1 with one line on stderr, or 2 for a usage error.
int runExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runImport(const std::vector<std::string>& arguments, std::ostream& err);
