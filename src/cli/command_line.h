#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// mousecfg's commands. `arguments` excludes the program name. Returns the exit code: 0 on
// success, 2 on a usage error, 1 on any other error, always with one line on `err`.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
