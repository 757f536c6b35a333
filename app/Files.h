// The file-system questions the program asks about the files beside itself.
#pragma once

#include <QString>

class Files final {
public:
    // The folder of the running program, without a trailing separator.
    explicit Files(QString programFolder);

    const QString& ProgramFolder() const { return programFolder_; }
    // The program folder, the platform's separator and the name; "x/o.cjs" names a subfolder.
    QString BesideProgram(const QString& name) const;

    // True when the modification time of path can be read; never fails.
    static bool FileExists(const QString& path);
    // True for a normal file as a directory listing shows it: not a folder, not hidden.
    static bool IsNormalFile(const QString& path);

private:
    QString programFolder_;
};
