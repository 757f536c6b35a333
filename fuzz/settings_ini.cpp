// The settings file: values saved one after another with the program's own INI writer, over
// whatever a person wrote by hand before, read back through Qt's settings reader as saved.
// The input is the hand-written text, then lines of "k=value" where k picks a key.
#include "fuzz/Fuzz.h"
#include "kit/IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString Section = QStringLiteral("Quorvane Software");
    static const QString Keys[] = {QStringLiteral("Hide Answers"),
                                   QStringLiteral("Number Of Riddles"), QStringLiteral("x")};
    const QByteArray input = FuzzBytes(data, size);
    const qsizetype split = input.indexOf('\0');
    // The hand-written part keeps to lines Qt reads alone: a line ending in a backslash, or
    // with a quote left open, runs on into the next lines, whatever is written there later.
    QByteArray ini = split < 0 ? QByteArray() : input.left(split);
    for (const QByteArray& line : QByteArray(ini).replace('\r', '\n').split('\n')) {
        if (line.endsWith('\\') || line.count('"') % 2 != 0) {
            return 0;
        }
    }
    std::map<QString, QString> saved;
    const QByteArray writes = split < 0 ? input : input.mid(split + 1);
    for (const QByteArray& line : writes.split('\0')) {
        if (line.isEmpty()) {
            continue;
        }
        const QString key = Keys[static_cast<unsigned char>(line[0]) % 3];
        const QString value = QString::fromUtf8(line.mid(1));
        ini = WithIniValue(ini, Section, key, value);
        saved[key] = value;
    }
    // A name of its own each time: Qt keeps what it read of a file, by name.
    static int run = 0;
    const QString path = QDir::tempPath() + QStringLiteral("/quorvane-fuzz-%1-%2.ini")
                                                .arg(QCoreApplication::applicationPid())
                                                .arg(++run);
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size(),
            "the file is written");
    file.close();
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : saved) {
            Require(settings.value(Section + u'/' + key).toString() == value,
                    "a saved value reads back as saved");
        }
    }
    QFile::remove(path);
    return 0;
}
