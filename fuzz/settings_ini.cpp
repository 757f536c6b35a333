// The settings file: values saved one after another with the program's own INI writer, over
// whatever a person wrote by hand before, read back through the program's settings store (Qt's
// settings reader underneath) as saved.
// The input is the hand-written text, then lines of "k=value" where k picks a key.
#include "fuzz/Fuzz.h"
#include "kit/IniText.h"
#include "kit/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
    const QString application = QStringLiteral("quorvane-fuzz-%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(++run);
    const QString path = QDir::tempPath() + u'/' + application + QStringLiteral(".ini");
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size(),
            "the file is written");
    file.close();
    {
        IniSettingsStore settings(QDir::tempPath());
        for (const auto& [key, value] : saved) {
            Require(settings.GetSetting(application, Section, key, {}) == value,
                    "a saved value reads back as saved");
        }
    }
    QFile::remove(path);
    return 0;
}
