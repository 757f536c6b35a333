// The escapes are those Qt's INI writer uses, so that QSettings reads back exactly the text
// that was stored, whatever the user typed.
#include "kit/IniText.h"

#include <QList>
#include <QStringEncoder>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A name from the file as a reader of it sees it: %XX, %UXXXX and "\\" undone.
QString UnescapedName(QByteArrayView escaped) {
    const QString text = QString::fromUtf8(escaped.trimmed());
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wide = text.mid(i + 1, 1) == u"U";
        const QString digits = text.mid(wide ? i + 2 : i + 1, wide ? 4 : 2);
        if (text[i] == u'%' && digits.size() == (wide ? 4 : 2) &&
            std::all_of(digits.begin(), digits.end(),
                        [](QChar c) { return IsHexDigit(c.unicode()); })) {
            name += QChar(static_cast<char16_t>(digits.toUInt(nullptr, 16)));
            i += digits.size() + (wide ? 1 : 0);
        } else {
            name += text[i] == u'\\' ? QChar(u'/') : text[i];
        }
    }
    return name;
}

// The section a header line opens, or nothing when the line is no header. As for a reader of
// the file, what follows the first "]" does not count.
std::optional<QString> SectionOf(QByteArrayView line) {
    line = line.trimmed();
    if (!line.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype end = line.indexOf(']');
    return UnescapedName(line.sliced(1, (end < 0 ? line.size() : end) - 1));
}

bool IsKeyLine(QByteArrayView line, const QString& key) {
    const qsizetype equals = line.indexOf('=');
    const QByteArrayView trimmed = line.trimmed();
    return equals > 0 && !trimmed.startsWith(';') && UnescapedName(line.first(equals)) == key;
}

}  // namespace

QByteArray IniEscapedName(const QString& name) {
    QByteArray escaped;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            escaped += '\\';
        } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                   (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.') {
            escaped += static_cast<char>(u);
        } else if (u <= 0xff) {
            escaped += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        } else {
            escaped += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
        }
    }
    return escaped;
}

QByteArray IniEscapedValue(const QString& value) {
    // A reader takes a leading "@" as the start of a typed value, and "@@" as a plain "@".
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray escaped;
    QStringEncoder toUtf8(QStringEncoder::Utf8);  // keeps a surrogate pair's halves together
    bool needsQuotes = false;
    bool escapeNextIfHex = false;  // "\x1" followed by "a" would read as "\x1a"
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        needsQuotes = needsQuotes || u == u';' || u == u',' || u == u'=';
        if (escapeNextIfHex && IsHexDigit(u)) {
            escaped += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (u) {
            case u'\0':
                escaped += "\\0";
                escapeNextIfHex = true;
                break;
            case u'\a':
                escaped += "\\a";
                break;
            case u'\b':
                escaped += "\\b";
                break;
            case u'\f':
                escaped += "\\f";
                break;
            case u'\n':
                escaped += "\\n";
                break;
            case u'\r':
                escaped += "\\r";
                break;
            case u'\t':
                escaped += "\\t";
                break;
            case u'\v':
                escaped += "\\v";
                break;
            case u'"':
            case u'\\':
                escaped += '\\';
                escaped += static_cast<char>(u);
                break;
            default:
                // A reader decodes the text after an escape, and a value's start, as if it began
                // a file, and drops a byte order mark (U+FEFF) there; escaped, it stays.
                if (u <= 0x1f || u == 0xfeff) {
                    escaped += "\\x" + QByteArray::number(u, 16);
                    escapeNextIfHex = true;
                } else {
                    escaped += toUtf8(QStringView(&c, 1));
                }
        }
    }
    if (needsQuotes || escaped.startsWith(' ') || escaped.endsWith(' ')) {
        escaped = '"' + escaped + '"';
    }
    return escaped;
}

namespace {

struct IniLine {
    QByteArray text;
    // "\n", "\r\n", a lone "\r", which a reader also takes for a line's end, or none.
    QByteArray end;
};

std::vector<IniLine> SplitLines(QByteArrayView text) {
    std::vector<IniLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') {
            continue;
        }
        const qsizetype endSize =
            text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        lines.push_back(
            {text.sliced(start, i - start).toByteArray(), text.sliced(i, endSize).toByteArray()});
        i += endSize - 1;
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back({text.sliced(start).toByteArray(), QByteArray()});
    }
    return lines;
}

}  // namespace

QByteArray WithIniValue(const QByteArray& ini, const QString& section, const QString& key,
                        const QString& value) {
    const QByteArray entry = IniEscapedName(key) + '=' + IniEscapedValue(value);
    // A reader skips a byte order mark, so it is kept but not taken for part of the first line.
    const QByteArray bom = "\xef\xbb\xbf";
    const bool marked = ini.startsWith(bom);
    std::vector<IniLine> lines = SplitLines(QByteArrayView(ini).sliced(marked ? bom.size() : 0));
    bool inSection = false;
    bool replaced = false;
    qsizetype sectionEnd = -1;  // after the last line of our section that is not blank
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        IniLine& line = lines[size_t(i)];
        if (const std::optional<QString> opened = SectionOf(line.text)) {
            inSection = *opened == section;
        } else if (inSection && IsKeyLine(line.text, key)) {
            line.text = entry;
            replaced = true;
        }
        if (inSection && !line.text.trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
    }
    if (!lines.empty() && lines.back().end.isEmpty()) {
        lines.back().end = "\n";
    }
    if (!replaced && sectionEnd >= 0) {
        lines.insert(lines.begin() + sectionEnd, {entry, "\n"});
    } else if (!replaced) {
        if (!lines.empty() && !lines.back().text.trimmed().isEmpty()) {
            lines.push_back({QByteArray(), "\n"});
        }
        lines.push_back({'[' + IniEscapedName(section) + ']', "\n"});
        lines.push_back({entry, "\n"});
    }
    QByteArray text = marked ? bom : QByteArray();
    for (const IniLine& line : lines) {
        text += line.text + line.end;
    }
    return text;
}
