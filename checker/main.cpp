#include "checker/CheckerCommand.h"

#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include "components/codepage/CodePage.h"

#include <windows.h>

#include <shellapi.h>
#endif

int main(int argc, char** argv)
{
    std::vector<std::string> arguments;
#if defined(_WIN32)
    // The ANSI arguments would lose what the code page lacks; the console shows UTF-8.
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        arguments.push_back(netcomp::toUtf8(reinterpret_cast<const char16_t*>(wide[i])));
    }
    LocalFree(wide);
    SetConsoleOutputCP(CP_UTF8);
#else
    arguments.assign(argv + 1, argv + argc);
#endif
    return runCheckerCommand(arguments, std::cout, std::cerr);
}
