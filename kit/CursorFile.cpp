// A .cur file is an icon directory of type 2; the first entry's hotspot is at bytes 10 to 13.
#include "kit/CursorFile.h"

#include <stdexcept>

QString UnreadableCursorText(const QString& path) {
    return QStringLiteral("%1 is not a cursor picture that can be read.").arg(path);
}

QPoint CursorHotspot(const QByteArray& bytes, const QString& path) {
    constexpr qsizetype DirectoryEnd = 22;
    const auto word = [&bytes](qsizetype at) {
        return static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8;
    };
    if (bytes.size() < DirectoryEnd || word(0) != 0 || word(2) != 2 || word(4) == 0) {
        throw std::runtime_error(UnreadableCursorText(path).toStdString());
    }
    return {word(10), word(12)};
}
