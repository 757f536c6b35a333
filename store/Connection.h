// The program's one connection to its riddle file.
#pragma once

#include "store/RiddleSource.h"

#include <QString>

#include <memory>

// Opens a riddle file of whichever kind its header shows: ours, or an Access 2000 to 2003 file
// read by the program legacyReader (by default the one FindLegacyReader finds). Throws
// StoreError for a file it cannot read, naming what the file is, or a password not the one given.
std::shared_ptr<RiddleSource> OpenRiddleSource(const QString& path, const QString& password,
                                               SeedSource seeds, const QString& legacyReader = {});

class Connection final {
public:
    // Every random selection is drawn from a generator seeded anew from `seeds`; the default
    // mixes the system's entropy source with the clock. Access files are read by the program
    // `legacyReader`; by default the one FindLegacyReader finds.
    explicit Connection(SeedSource seeds = {}, QString legacyReader = {});

    // 0 when closed, 1 when open.
    int State() const;
    bool IsOpen() const { return State() != 0; }
    // Opens the file named by the connection string read-only; throws StoreError on failure and
    // stays closed.
    void Open(const QString& connectionString);
    void Close();

    // The open riddle file for a record set; throws StoreError when the connection is closed.
    std::shared_ptr<RiddleSource> Table() const;

private:
    SeedSource seeds_;
    QString legacyReader_;
    std::shared_ptr<RiddleSource> table_;
};
