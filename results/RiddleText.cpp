// Riddle lines as the quiz and the browser's detail panel show them.
#include "results/RiddleText.h"

#include <QStringList>

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == u' ') {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString RiddleLines(const QString& text) {
    QString lines;
    for (const QString& piece : text.split(QStringLiteral("  "))) {
        const QString line = TrimBlanks(piece);
        if (!line.isEmpty()) {
            lines += line + QStringLiteral("\r\n");
        }
    }
    lines.chop(2);
    return lines;
}
