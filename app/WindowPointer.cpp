// Window pointers and cursor files.
#include "app/WindowPointer.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

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
    constexpr int DirectoryEnd = 22;
    if (bytes.size() < DirectoryEnd || qFromLittleEndian<quint16>(bytes.constData()) != 0 ||
        qFromLittleEndian<quint16>(bytes.constData() + 2) != 2 ||
        qFromLittleEndian<quint16>(bytes.constData() + 4) == 0) {
        throw refuse();
    }
    const QImage image = QImage::fromData(bytes, "ICO");
    if (image.isNull()) {
        throw refuse();
    }
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
