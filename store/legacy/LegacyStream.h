// What the reader of Access files (store/legacy/reader) and the program agree on: the table it
// reads, the stream it writes and the statuses it ends with. Plain C++, as the reader links no Qt.
#pragma once

#include <cstddef>

namespace LegacyStream {

// The reader reads the table RiddleSchema::Table.
inline constexpr int Columns = 3;
// The longest text sent, in bytes; longer ones end the read.
inline constexpr std::size_t TextLimit = 1 << 20;

// For each row of the table: RowMark, then for each of its first Columns columns NullField, or
// TextField, a 4-byte little-endian length and that many bytes of UTF-8. After the last row:
// EndMark.
inline constexpr char RowMark = 'R';
inline constexpr char EndMark = 'E';
inline constexpr char NullField = 0;
inline constexpr char TextField = 1;

// The reader's exit statuses. None is 3, which a program that aborts ends with on Windows: a reader
// that aborts on a damaged file would otherwise report a missing table.
enum Status : int {
    Whole = 0,  // the stream is complete
    Usage = 1,
    CannotOpen = 2,
    TooFewColumns = 4,
    ReadingEndGone = 5,
    RowUnreadable = 6,
    TextTooLong = 7,
    NoTable = 8,
};

}  // namespace LegacyStream
