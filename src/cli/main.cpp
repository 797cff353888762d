#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "config/text_encoding.h"

// The Windows build's entry point takes the command line as UTF-16; paths travel on as UTF-8.
// Output ends its lines with a bare line feed, as on every other platform, so that listings and
// traces compare byte for byte.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(encodeUtf8(argv[i]));
    }
    return runCommandLine(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
