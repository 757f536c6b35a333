// Windows-1252 through Qt's converter, which knows it by name where Qt has ICU.
#include "export/AnsiCodePage.h"

#include <QList>
#include <QStringEncoder>

QByteArray ToAnsiCodePage(const QString& text) {
    // The converter marks a character it cannot hold with SUB (0x1A); that byte becomes "?"
    // unless the text itself holds the SUB character, which then decides character by character.
    constexpr char Sub = '\x1a';
    QStringEncoder encoder("windows-1252");
    if (!text.contains(QChar(u'\x1a'))) {
        QByteArray bytes = encoder.encode(text);
        return bytes.contains(Sub) ? bytes.replace(Sub, '?') : bytes;
    }
    QByteArray bytes;
    for (const char32_t c : text.toUcs4()) {
        const QByteArray one = encoder.encode(QString::fromUcs4(&c, 1));
        bytes += (one == QByteArray(1, Sub) && c != U'\x1a') ? QByteArray("?") : one;
    }
    return bytes;
}
