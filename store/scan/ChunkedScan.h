// A full read of tblRiddles in key order that keeps both cores busy: past its first rows, the
// rest of the key range is cut into chunks, and a helper thread with a connection of its own
// decrypts chunks ahead while the calling thread reads the others and hands every row out in
// order. The helper stops and is joined when the scan ends, so it never outlives its caller.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

class ChunkedScan final : public RiddleScan {
public:
    // The helper connection must be opened on the same file, and it and `start`, a statement
    // on db giving rowid and then every column in key order, used by nothing else while the
    // scan lasts.
    ChunkedScan(sqlcipher::Database& db, sqlcipher::Database& helperDb,
                sqlcipher::Statement& start);
    ~ChunkedScan() override;
    ChunkedScan(const ChunkedScan&) = delete;
    ChunkedScan& operator=(const ChunkedScan&) = delete;

    bool Next(RiddleRow& row) override;

private:
    struct Chunk {
        qint64 first = 0;  // keys from first to last, both included
        qint64 last = 0;
        enum class State { Free, Claimed, Ready } state = State::Free;
        // Packed, so that the helper allocates once per chunk: rows allocated by one thread
        // and freed by the other make the two fight over the allocator.
        QByteArray rows;
        std::exception_ptr failure;
    };

    void Split(qint64 after);
    bool NextChunk();
    // Reads a whole chunk into its rows, or records why it could not.
    static void ReadChunk(sqlcipher::Statement& range, Chunk& chunk);
    void Help();

    sqlcipher::Database& db_;
    sqlcipher::Database& helperDb_;
    sqlcipher::Statement& start_;  // the first rows, before any chunk is cut
    qint64 startRows_ = 0;
    bool split_ = false;
    std::optional<sqlcipher::Statement> range_;
    bool streaming_ = false;  // the calling thread is reading the current chunk itself
    std::optional<sqlcipher::ReadTransaction> reading_;
    QByteArray taken_;  // the current chunk, as the other thread packed it
    const char* takenAt_ = nullptr;
    int fields_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Chunk> chunks_;
    std::ptrdiff_t current_ = -1;  // the chunk whose rows are handed out now
    std::ptrdiff_t nextFree_ = 0;  // the first chunk nobody has claimed
    bool stopping_ = false;
    std::thread helper_;
};
