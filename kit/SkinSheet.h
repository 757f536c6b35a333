// The skin file's text: the style sheet the main window's skin component lays over it.
#pragma once

#include <QByteArray>
#include <QString>

// A style sheet is well formed when its comments and strings are closed and its braces balance,
// each block following a selector.
bool IsWellFormedStyleSheet(const QString& sheet);

// The skin's style sheet from the file's bytes. Throws std::runtime_error naming path when they
// are no UTF-8 or no well-formed style sheet.
QString SkinSheet(const QByteArray& bytes, const QString& path);
