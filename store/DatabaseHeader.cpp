// Access files begin with a fixed signature and a version byte. Both Jet versions keep 126 header
// bytes from 0x18 under RC4 with a fixed key; inside them the password sits at 0x42. Jet 3 keeps
// it as 20 bytes of the Windows code page, Jet 4 as 40 bytes of UTF-16LE, further masked with
// the whole-number part of the creation date (a double at 0x72).
#include "store/DatabaseHeader.h"

#include "store/StoreError.h"

#include <QStringDecoder>
#include <QtEndian>

#include <array>
#include <cstring>

namespace {

constexpr qsizetype SignatureAt = 4;
constexpr qsizetype VersionAt = 0x14;
constexpr qsizetype MaskedAt = 0x18;
constexpr qsizetype MaskedLength = 126;
constexpr qsizetype PasswordAt = 0x42;
constexpr qsizetype Jet3PasswordLength = 20;
constexpr qsizetype Jet4PasswordLength = 40;
constexpr qsizetype CreatedAt = 0x72;

QByteArray Rc4(const QByteArray& key, QByteArray data) {
    std::array<quint8, 256> state{};
    for (int i = 0; i < 256; ++i) {
        state[static_cast<size_t>(i)] = static_cast<quint8>(i);
    }
    for (size_t i = 0, j = 0; i < state.size(); ++i) {
        j = (j + state[i] + static_cast<quint8>(key[static_cast<qsizetype>(i) % key.size()])) & 255;
        std::swap(state[i], state[j]);
    }
    size_t i = 0;
    size_t j = 0;
    for (char& byte : data) {
        i = (i + 1) & 255;
        j = (j + state[i]) & 255;
        std::swap(state[i], state[j]);
        byte = static_cast<char>(static_cast<quint8>(byte) ^ state[(state[i] + state[j]) & 255]);
    }
    return data;
}

// Windows-1252 is Latin-1 but for 0x80 to 0x9F. Qt knows it by name only where it is built with
// ICU, which Qt for Windows is not; the five bytes the code page leaves out stay as they are.
QString FromWindows1252(const QByteArray& bytes) {
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (const char byte : bytes) {
        const auto code = static_cast<quint8>(byte);
        text += QChar(code >= 0x80 && code < 0xA0 ? High[code - 0x80] : char16_t{code});
    }
    return text;
}

}  // namespace

DatabaseKind KindOfDatabase(const QByteArray& head) {
    if (head.startsWith(QByteArrayView("SQLite format 3\0", 16))) {
        return DatabaseKind::Sqlite;
    }
    if (head.size() <= VersionAt || !head.startsWith(QByteArrayView("\0\1\0\0", 4))) {
        return DatabaseKind::Other;
    }
    const QByteArray signature = head.mid(SignatureAt, 16);
    if (signature == QByteArrayView("Standard ACE DB\0", 16)) {
        return DatabaseKind::Ace;
    }
    if (signature != QByteArrayView("Standard Jet DB\0", 16)) {
        return DatabaseKind::Other;
    }
    switch (head[VersionAt]) {
        case 0:
            return DatabaseKind::Jet3;
        case 1:
            return DatabaseKind::Jet4;
        default:
            return DatabaseKind::Ace;
    }
}

QString DatabaseKindName(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::Sqlite:
            return QStringLiteral("an unencrypted SQLite database");
        case DatabaseKind::Jet3:
            return QStringLiteral("an Access 97 database (Jet 3)");
        case DatabaseKind::Jet4:
            return QStringLiteral("an Access 2000 to 2003 database (Jet 4)");
        case DatabaseKind::Ace:
            return QStringLiteral("an Access 2007 or later database (.accdb)");
        case DatabaseKind::Other:
            break;
    }
    return QStringLiteral("not a database this program knows");
}

QString AccessPassword(const QByteArray& head) {
    if (head.size() < MaskedAt + MaskedLength) {
        throw StoreError(QStringLiteral("The file is too short to hold a database header."));
    }
    QByteArray header = head.left(MaskedAt + MaskedLength);
    header.replace(MaskedAt, MaskedLength,
                   Rc4(QByteArray("\xc7\xda\x39\x6b", 4), header.mid(MaskedAt, MaskedLength)));
    QString text;
    if (KindOfDatabase(head) == DatabaseKind::Jet3) {
        text = FromWindows1252(header.mid(PasswordAt, Jet3PasswordLength));
    } else {
        double created = 0;
        const quint64 createdBits = qFromLittleEndian<quint64>(header.constData() + CreatedAt);
        std::memcpy(&created, &createdBits, sizeof created);
        // A broken header may hold any bits; only the low 32 bits of the day count mask the text.
        const auto day = static_cast<quint32>(
            static_cast<qint64>(created > -1e15 && created < 1e15 ? created : 0));
        std::array<char, 4> mask{};
        qToLittleEndian(day, mask.data());
        QByteArray password = header.mid(PasswordAt, Jet4PasswordLength);
        for (qsizetype i = 0; i < password.size(); ++i) {
            password[i] = static_cast<char>(password[i] ^ mask[static_cast<size_t>(i % 4)]);
        }
        text = QStringDecoder(QStringDecoder::Utf16LE).decode(password);
    }
    const qsizetype end = text.indexOf(QChar(u'\0'));
    return end < 0 ? text : text.left(end);
}
