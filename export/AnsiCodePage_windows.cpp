// The code page Windows reports (GetACP), through the system's own converter. No "best fit":
// a character the code page cannot hold is its default character, "?", not a look-alike.
#include "export/AnsiCodePage.h"

#include <windows.h>

namespace {

// The converter works in UTF-16 units and would give "??" for a character outside the BMP,
// which no ANSI code page but UTF-8 holds: such a character becomes one "?" before it.
QString OneUnitPerUnheldCharacter(const QString& text) {
    QString units;
    units.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        units += pair ? QChar(u'?') : text[i];
        i += pair ? 1 : 0;
    }
    return units;
}

}  // namespace

QByteArray ToAnsiCodePage(const QString& text) {
    if (GetACP() == CP_UTF8) {
        return text.toUtf8();
    }
    const QString units = OneUnitPerUnheldCharacter(text);
    if (units.isEmpty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(units.utf16());
    const auto size = static_cast<int>(units.size());
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}
