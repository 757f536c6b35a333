// Reading riddle text files line by line, so that a million riddles never sit in memory at once.
#include "tools/RiddleTsv.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <unordered_map>
#include <utility>

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

// The letter after a backslash, and the character it stands for.
constexpr std::pair<char16_t, char16_t> Escapes[] = {
    {u't', u'\t'}, {u'r', u'\r'}, {u'n', u'\n'}, {u'\\', u'\\'}};

// A field as the riddle holds it: \N alone is null; \t, \r, \n and \\ stand for TAB, CR, LF
// and a backslash, and any other backslash is a mistake, so that no text is misread silently.
std::optional<QString> FieldValue(const QString& field, const QString& path, qint64 line) {
    if (field == TsvNull) {
        return std::nullopt;
    }
    QString value;
    value.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            value += field[i];
            continue;
        }
        if (++i == field.size()) {
            Fail(
                path, line,
                QStringLiteral("a backslash ends the field \"%1\"; write \\\\ for one").arg(field));
        }
        const auto* escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                          [&](auto pair) { return pair.first == field[i]; });
        if (escape == std::end(Escapes)) {
            Fail(path, line,
                 QStringLiteral("\"\\%1\" is not an escape; write \\t, \\r, \\n or \\\\")
                     .arg(field[i]));
        }
        value += QChar(escape->second);
    }
    return value;
}

QString EscapedField(const std::optional<QString>& value) {
    if (!value) {
        return TsvNull;
    }
    QString field;
    field.reserve(value->size());
    for (const QChar c : *value) {
        const auto* escape = std::find_if(std::begin(Escapes), std::end(Escapes),
                                          [&](auto pair) { return pair.second == c; });
        if (escape == std::end(Escapes)) {
            field += c;
        } else {
            field += u'\\';
            field += QChar(escape->first);
        }
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
    ReadRiddleTsv(file, path, add);
    if (file.error() != QFileDevice::NoError) {
        throw std::runtime_error(
            QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    }
}

void ReadRiddleTsv(QIODevice& file, const QString& path,
                   const std::function<void(const RiddleRecord&)>& add) {
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
        add(RiddleRecord{*id, FieldValue(fields[1], path, lineNumber),
                         FieldValue(fields[2], path, lineNumber)});
    }
}

QString RiddleTsvLine(const RiddleRecord& record) {
    return QStringLiteral("%1\t%2\t%3")
        .arg(record.id)
        .arg(EscapedField(record.riddle), EscapedField(record.answer));
}
