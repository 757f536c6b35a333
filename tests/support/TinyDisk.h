// A tmpfs of 64 KB mounted in a folder of the test's own, to meet a full file system for real.
// Mounting needs root; tests skip with WhyNot() where it is refused.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>

#include <sys/mount.h>

class TinyDisk final {
public:
    explicit TinyDisk(const QString& folder) : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
        why_ = mounted_ ? QString() : qt_error_string(errno);
    }
    ~TinyDisk() {
        if (mounted_) {
            ::umount(QFile::encodeName(folder_).constData());
        }
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& WhyNot() const { return why_; }

    // Takes every page but `pagesLeft`.
    void Fill(int pagesLeft = 0) const {
        QFile filler(folder_ + QStringLiteral("/filler"));
        filler.open(QIODevice::Append | QIODevice::Unbuffered);
        const QByteArray page(4096, 'f');
        while (filler.write(page) > 0) {
        }
        filler.resize(filler.size() / page.size() * page.size() - qint64{pagesLeft} * page.size());
    }

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};
