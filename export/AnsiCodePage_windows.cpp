// The code page Windows reports (GetACP), through the system's own converter. No "best fit":
// a character the code page cannot hold is its default character, "?", not a look-alike.
#include "export/AnsiCodePage.h"

#include <windows.h>

QByteArray ToAnsiCodePage(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(text.size()),
                            nullptr, 0, nullptr, nullptr);
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(text.size()),
                        bytes.data(), length, nullptr, nullptr);
    return bytes;
}
