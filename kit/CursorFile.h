// What the program reads of a Windows cursor file itself: the header, and the hotspot that the
// picture readers leave out.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

// The first cursor's hotspot. Throws std::runtime_error naming path when the bytes are no
// cursor file: too short, or not an icon directory of type 2 with at least one entry.
QPoint CursorHotspot(const QByteArray& bytes, const QString& path);

// The description a cursor file that cannot be used is reported with.
QString UnreadableCursorText(const QString& path);
