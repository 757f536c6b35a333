// Skin files are UTF-8 style sheets; the check looks only at their structure, so that a broken
// file is reported instead of half applied.
#include "kit/SkinSheet.h"

#include <QStringDecoder>

#include <stdexcept>

bool IsWellFormedStyleSheet(const QString& sheet) {
    int depth = 0;
    bool selector = false;  // text seen since the last block ended
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        const QChar c = sheet[i];
        if (c == u'/' && i + 1 < sheet.size() && sheet[i + 1] == u'*') {
            const qsizetype end = sheet.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0) {
                return false;
            }
            i = end + 1;
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = sheet.indexOf(c, i + 1);
            if (end < 0) {
                return false;
            }
            i = end;
        } else if (c == u'{') {
            if (depth == 0 && !selector) {
                return false;
            }
            ++depth;
        } else if (c == u'}') {
            if (--depth < 0) {
                return false;
            }
            selector = false;
        } else if (!c.isSpace() && depth == 0) {
            selector = true;
        }
    }
    return depth == 0 && !selector;
}

QString SkinSheet(const QByteArray& bytes, const QString& path) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString sheet = decoder.decode(bytes);
    if (decoder.hasError() || !IsWellFormedStyleSheet(sheet)) {
        throw std::runtime_error(
            QStringLiteral("The skin file %1 is not a well-formed skin.").arg(path).toStdString());
    }
    return sheet;
}
