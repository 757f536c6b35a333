// The C runtime's fopen takes names in the ANSI code page. A name the code page cannot hold is
// opened by its short name, which the system makes of ASCII where short names are kept.
#include "store/legacy/reader/ReaderPlatform.h"

#include <vector>

#include <windows.h>

std::string FileArgument(char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string name = argv[1];
    if (wide == nullptr || count < 2) {
        return name;
    }
    std::vector<wchar_t> shortName(GetShortPathNameW(wide[1], nullptr, 0) + 1);
    const wchar_t* path =
        GetShortPathNameW(wide[1], shortName.data(), static_cast<DWORD>(shortName.size())) != 0
            ? shortName.data()
            : wide[1];
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path, -1, nullptr, 0, nullptr, &lossy);
    if (length > 0 && !lossy) {
        std::vector<char> ansi(static_cast<size_t>(length));
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path, -1, ansi.data(), length, nullptr,
                            nullptr);
        name = ansi.data();
    }
    LocalFree(wide);
    return name;
}
