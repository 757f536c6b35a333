// Reading riddle text files line by line, so that a million riddles never sit in memory at once.
#include "tools/RiddleTsv.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace {

[[noreturn]] void Fail(const QString& path, qint64 line, const QString& reason) {
    const QString message = path + u':' + QString::number(line) + QStringLiteral(": ") + reason;
    throw std::runtime_error(message.toStdString());
}

std::optional<qint64> WholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    const bool plain =
        !text.isEmpty() && (text[0].isDigit() || text[0] == u'-') &&
        std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c.isDigit(); });
    if (!ok || !plain) {
        return std::nullopt;
    }
    return value;
}

std::optional<QString> FieldValue(const QString& field) {
    if (field == TsvNull) {
        return std::nullopt;
    }
    return field;
}

}  // namespace

void ReadRiddleTsv(const QString& path, const std::function<void(const RiddleRecord&)>& add) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    }
    std::unordered_map<qint64, qint64> lineOfId;
    bool seenContent = false;
    qint64 lineNumber = 0;
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine();
        ++lineNumber;
        if (bytes.endsWith('\n')) {
            bytes.chop(1);
        }
        if (bytes.endsWith('\r')) {
            bytes.chop(1);
        }
        if (bytes.isEmpty()) {
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(bytes);
        if (decoder.hasError()) {
            Fail(path, lineNumber, QStringLiteral("not valid UTF-8"));
        }
        if (!seenContent && line == TsvHeader) {
            seenContent = true;
            continue;
        }
        seenContent = true;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3) {
            Fail(path, lineNumber,
                 QStringLiteral("expected 3 fields separated by TAB (id, riddle, answer), found %1")
                     .arg(fields.size()));
        }
        const std::optional<qint64> id = WholeNumber(fields[0]);
        if (!id) {
            Fail(path, lineNumber,
                 QStringLiteral("the id \"%1\" is not a whole number").arg(fields[0]));
        }
        const auto [previous, inserted] = lineOfId.emplace(*id, lineNumber);
        if (!inserted) {
            Fail(path, lineNumber,
                 QStringLiteral("the id %1 was already used on line %2")
                     .arg(*id)
                     .arg(previous->second));
        }
        add(RiddleRecord{*id, FieldValue(fields[1]), FieldValue(fields[2])});
    }
    if (file.error() != QFileDevice::NoError) {
        throw std::runtime_error(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    }
}

QString RiddleTsvLine(const RiddleRecord& record) {
    return QStringLiteral("%1\t%2\t%3")
        .arg(record.id)
        .arg(record.riddle.value_or(TsvNull), record.answer.value_or(TsvNull));
}
