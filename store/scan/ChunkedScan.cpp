// Most full reads are cut short after a row or two (the quiz asks for the first row, then the
// count), so the helper thread is only started once the first rows have been handed out.
#include "store/scan/ChunkedScan.h"

#include "store/RiddleFile.h"
#include "store/scan/FreedMemory.h"
#include "store/scan/StatementRows.h"

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 StartRows = 4096;
constexpr quint64 ChunkKeys = 8192;  // keys per chunk at least, about 1 MB of riddles
constexpr quint64 MostChunks = 1024;
constexpr std::ptrdiff_t HelperLead = 4;  // chunks the helper may read ahead of the handed-out one

constexpr const char* RangeQuery =
    "SELECT * FROM {table} WHERE rowid >= ? AND rowid <= ? ORDER BY rowid";

// Sets the range statement on a chunk's keys.
void Aim(sqlcipher::Statement& range, qint64 first, qint64 last) {
    range.Reset();
    range.Bind(1, first);
    range.Bind(2, last);
}

}  // namespace

ChunkedScan::ChunkedScan(sqlcipher::Database& db, sqlcipher::Database& helperDb,
                         sqlcipher::Statement& start)
    : db_(db), helperDb_(helperDb), start_(start) {
    start_.Reset();
}

ChunkedScan::~ChunkedScan() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (helper_.joinable()) {
        helper_.join();
    }
    range_.reset();
    start_.Reset();
    // The pages a full read leaves in the caches are the table's last ones, of no use to the
    // lookups that follow; the list the rows went into needs the memory more. A read that
    // stopped early keeps them: the draws that follow it use them.
    if (split_) {
        db_.ReleaseMemory();
        helperDb_.ReleaseMemory();
        // The helper's chunk buffers are freed, but may not yet be of use to anything else.
        ReturnFreedMemory();
    }
    reading_.reset();
}

bool ChunkedScan::Next(RiddleRow& row) {
    if (!split_) {
        if (!start_.Step()) {
            return false;  // every row was among the first ones
        }
        if (startRows_ < StartRows) {
            ++startRows_;
            ReadRow(start_, row, 1);
            return true;
        }
        // The statement stands on the first row after the first ones: cut the rest from there.
        // While this connection holds its read transaction, no other process can commit a
        // change, so the helper's connection, which begins reading later, sees the same rows.
        reading_.emplace(db_);
        const qint64 key = start_.Int64(0);
        ReadRow(start_, row, 1);
        start_.Reset();
        split_ = true;
        Split(key);
        return true;
    }
    while (true) {
        if (streaming_) {
            if (range_->Step()) {
                ReadRow(*range_, row);
                return true;
            }
            streaming_ = false;
        } else if (takenAt_ != nullptr && takenAt_ < taken_.constEnd()) {
            UnpackRow(takenAt_, fields_, row);
            return true;
        }
        if (!NextChunk()) {
            return false;
        }
    }
}

// Cuts the keys after `handedOut` up to the highest into chunks, and starts the helper when
// there is more than one.
void ChunkedScan::Split(qint64 handedOut) {
    auto highest = db_.Prepare(RiddleFile::Sql("SELECT max(rowid) FROM {table}"));
    highest.Step();
    const qint64 last = highest.Int64(0);
    if (last <= handedOut) {
        return;
    }
    const qint64 first = handedOut + 1;
    // Unsigned: the keys may span more than the largest signed number.
    const quint64 span = static_cast<quint64>(last) - static_cast<quint64>(first);
    const quint64 width = std::max(ChunkKeys, span / MostChunks + 1);
    for (quint64 offset = 0;; offset += width) {
        Chunk chunk;
        chunk.first = static_cast<qint64>(static_cast<quint64>(first) + offset);
        const bool final = span - offset < width;
        chunk.last =
            final ? last : static_cast<qint64>(static_cast<quint64>(chunk.first) + width - 1);
        chunks_.push_back(std::move(chunk));
        if (final) {
            break;
        }
    }
    range_.emplace(db_.Prepare(RiddleFile::Sql(RangeQuery)));
    fields_ = range_->ColumnCount();
    if (chunks_.size() > 1) {
        helper_ = std::thread([this] { Help(); });
    }
}

bool ChunkedScan::NextChunk() {
    std::unique_lock lock(mutex_);
    ++current_;
    changed_.notify_all();  // the helper may now read further ahead
    if (current_ >= static_cast<std::ptrdiff_t>(chunks_.size())) {
        return false;
    }
    Chunk& chunk = chunks_[static_cast<size_t>(current_)];
    if (chunk.state == Chunk::State::Free) {  // the helper is behind: read this one here
        chunk.state = Chunk::State::Claimed;
        nextFree_ = current_ + 1;
        lock.unlock();
        Aim(*range_, chunk.first, chunk.last);
        streaming_ = true;
        return true;
    }
    // While the helper still reads this one, read a later one here rather than wait.
    while (chunk.state != Chunk::State::Ready &&
           nextFree_ < static_cast<std::ptrdiff_t>(chunks_.size()) &&
           nextFree_ <= current_ + HelperLead) {
        Chunk& later = chunks_[static_cast<size_t>(nextFree_++)];
        later.state = Chunk::State::Claimed;
        lock.unlock();
        ReadChunk(*range_, later);
        lock.lock();
        later.state = Chunk::State::Ready;
    }
    changed_.wait(lock, [&] { return chunk.state == Chunk::State::Ready; });
    if (chunk.failure) {
        std::rethrow_exception(chunk.failure);
    }
    // Exchanged, not moved: moving a QByteArray swaps, which would leave the chunk holding the
    // previous buffer until the scan ends, and a full read all its rows at once.
    taken_ = std::exchange(chunk.rows, {});
    takenAt_ = taken_.constData();
    return true;
}

void ChunkedScan::ReadChunk(sqlcipher::Statement& range, Chunk& chunk) {
    try {
        Aim(range, chunk.first, chunk.last);
        chunk.rows.reserve(2 << 20);
        while (range.Step()) {
            PackRow(range, 0, chunk.rows);
        }
    } catch (...) {
        chunk.rows.clear();
        chunk.failure = std::current_exception();
    }
}

void ChunkedScan::Help() {
    std::optional<sqlcipher::ReadTransaction> reading;
    std::optional<sqlcipher::Statement> range;
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [&] {
            return stopping_ || (nextFree_ < static_cast<std::ptrdiff_t>(chunks_.size()) &&
                                 nextFree_ <= current_ + HelperLead);
        });
        if (stopping_) {
            break;
        }
        Chunk& chunk = chunks_[static_cast<size_t>(nextFree_++)];
        chunk.state = Chunk::State::Claimed;
        lock.unlock();
        try {
            if (!range) {
                reading.emplace(helperDb_);
                range.emplace(helperDb_.Prepare(RiddleFile::Sql(RangeQuery)));
            }
            ReadChunk(*range, chunk);
        } catch (...) {
            chunk.failure = std::current_exception();
        }
        lock.lock();
        chunk.state = Chunk::State::Ready;
        changed_.notify_all();
    }
    lock.unlock();
    range.reset();
}
