// A file system of 64 KB in a folder of the test's own, to meet a full disk for real: a tmpfs,
// which needs root (TinyDisk_posix.cpp, TinyDisk_windows.cpp). Tests skip with WhyNot() without.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

class TinyDisk final {
public:
    explicit TinyDisk(const QString& folder);
    ~TinyDisk();
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
