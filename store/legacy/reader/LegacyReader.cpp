// quorvane-legacy-reader: streams the riddles of an Access (Jet) file to standard output, so that
// the program reads such files without ever running the library that parses them in its own
// process, where a damaged file could crash it.
//
// Usage: quorvane-legacy-reader FILE
// Output: the stream store/legacy/LegacyStream.h describes. A failure prints one line on standard
// error and ends with the status that names it.
#include "store/RiddleSchema.h"
#include "store/StandardOutput.h"
#include "store/legacy/LegacyStream.h"
#include "store/legacy/reader/ReaderPlatform.h"

// glib first: mdbtools.h wraps what it includes in extern "C", which C++ parts of glib refuse.
// A libmdb built without GLib, as for Windows, brings a stand-in of its own instead.
#if __has_include(<glib.h>)
#include <glib.h>
#endif
#include <mdbtools.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace LegacyStream;

void Put(const void* bytes, size_t size) {
    if (std::fwrite(bytes, 1, size, stdout) != size) {
        std::exit(ReadingEndGone);  // nothing is left to tell
    }
}

void PutMark(char mark) {
    Put(&mark, 1);
}

void PutField(const char* text) {
    if (text == nullptr) {
        PutMark(NullField);
        return;
    }
    const auto size = static_cast<std::uint32_t>(std::strlen(text));
    const unsigned char length[4] = {
        static_cast<unsigned char>(size), static_cast<unsigned char>(size >> 8),
        static_cast<unsigned char>(size >> 16), static_cast<unsigned char>(size >> 24)};
    PutMark(TextField);
    Put(length, sizeof length);
    Put(text, size);
}

int Fail(int status, const char* message) {
    std::fprintf(stderr, "%s\n", message);
    return status;
}

// Writes every row, then the end mark.
int WriteTable(MdbHandle* mdb, MdbTableDef* table) {
    mdb_rewind_table(table);
    std::vector<MdbField> fields(table->num_cols);
    while (mdb_fetch_row(table)) {
        // Cracking the row again marks its null fields, which the library's bound columns show
        // as empty text.
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size) != 0 ||
            mdb_crack_row(table, start, size, fields.data()) < Columns) {
            return Fail(RowUnreadable, "a row of tblRiddles cannot be read");
        }
        PutMark(RowMark);
        for (int i = 0; i < Columns; ++i) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            // The cracked fields come in the row's own order, each naming its column.
            const MdbField* found = nullptr;
            for (const MdbField& candidate : fields) {
                if (candidate.colnum == i) {
                    found = &candidate;
                }
            }
            if (found == nullptr) {
                return Fail(RowUnreadable, "a row of tblRiddles cannot be read");
            }
            const MdbField& field = *found;
            if (field.is_null) {
                PutField(nullptr);
                continue;
            }
            char* text =
                mdb_col_to_string(mdb, mdb->pg_buf, field.start, column->col_type, field.siz);
            if (text != nullptr && std::strlen(text) + 1 >= TextLimit) {
                g_free(text);
                return Fail(TextTooLong, "a text of tblRiddles is longer than 1 MB");
            }
            // Jet writers keep a memo set to null as a memo of no bytes marked present (the
            // riddle of row 6 of the edge sample is one); a riddle or answer without a single
            // character means no text, so it is read as null, as the library's own export does.
            const bool emptyMemo = column->col_type == MDB_MEMO && (text == nullptr || *text == 0);
            PutField(emptyMemo ? nullptr : text != nullptr ? text : "");
            g_free(text);
        }
    }
    PutMark(EndMark);
    return std::fflush(stdout) == 0 ? Whole : ReadingEndGone;
}

// Reads the table and writes its rows; returns the exit status.
int WriteRows(MdbHandle* mdb) {
    if (mdb_read_catalog(mdb, MDB_TABLE) == nullptr) {
        return Fail(CannotOpen, "the file cannot be opened as an Access database");
    }
    char name[sizeof RiddleSchema::Table];
    std::memcpy(name, RiddleSchema::Table, sizeof name);  // the library takes no const name
    MdbTableDef* table = mdb_read_table_by_name(mdb, name, MDB_TABLE);
    if (table == nullptr) {
        return Fail(NoTable, "the file has no table tblRiddles");
    }
    int status = Whole;
    if (mdb_read_columns(table) == nullptr || table->num_cols < Columns) {
        status = Fail(TooFewColumns, "the table tblRiddles has fewer than three columns");
    } else {
        status = WriteTable(mdb, table);
    }
    mdb_free_tabledef(table);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return Fail(LegacyStream::Usage, "Usage: quorvane-legacy-reader FILE");
    }
    MakeStandardOutputBinary();
    MdbHandle* mdb = mdb_open(FileArgument(argv).c_str(), MDB_NOFLAGS);
    if (mdb == nullptr) {
        return Fail(CannotOpen, "the file cannot be opened as an Access database");
    }
    // The library cuts every text to this many bytes; a riddle of 65,535 characters, the most an
    // Access text box takes, needs less than 200 KB.
    mdb_set_bind_size(mdb, LegacyStream::TextLimit);
    const int status = WriteRows(mdb);
    mdb_close(mdb);
    return status;
}
