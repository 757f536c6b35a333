// Window pointers and cursor files.
#include "app/WindowPointer.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <stdexcept>

void WindowPointer::SetMousePointer(int value) {
    value_ = value;
    std::optional<QCursor> cursor;
    if (value == Busy) {
        cursor = QCursor(Qt::WaitCursor);
    } else if (value == Custom) {
        cursor = picture_.value_or(QCursor(Qt::ArrowCursor));
    }
    // Controls have pointers of their own (an I-beam over text), so the setting is put on each.
    for (QWidget* widget : window_.findChildren<QWidget*>()) {
        cursor ? widget->setCursor(*cursor) : widget->unsetCursor();
    }
    cursor ? window_.setCursor(*cursor) : window_.unsetCursor();
}

void WindowPointer::SetMouseIcon(const QCursor& picture) {
    picture_ = picture;
    if (value_ == Custom) {
        SetMousePointer(Custom);
    }
}

QCursor LoadCursorFile(const QString& path) {
    const auto refuse = [&path] {
        return std::runtime_error(
            QStringLiteral("%1 is not a cursor picture that can be read.").arg(path).toStdString());
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw refuse();
    }
    const QByteArray bytes = file.readAll();
    // A .cur file is an icon directory of type 2; the first entry's hotspot is at bytes 10 to 13.
    constexpr qsizetype DirectoryEnd = 22;
    if (bytes.size() < DirectoryEnd) {
        throw refuse();
    }
    const auto word = [&bytes](qsizetype at) {
        return static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8;
    };
    if (word(0) != 0 || word(2) != 2 || word(4) == 0) {
        throw refuse();
    }
    const QImage image = QImage::fromData(bytes, "ICO");
    if (image.isNull()) {
        throw refuse();
    }
    return QCursor(QPixmap::fromImage(image), word(10), word(12));
}
