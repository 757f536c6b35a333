// Texts keep their CR LF and lone CR line ends; Qt's labels break lines only at LF.
#pragma once

#include <QString>

inline QString ForDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
