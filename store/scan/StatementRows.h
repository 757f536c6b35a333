// Taking rows out of a statement: as values at once, or packed into bytes. Packed, each field is
// a type byte, then eight bytes for a number, or a four-byte length and the bytes for a text or
// blob. Packing copies what SQLite holds without turning text into QString, so a thread can pack
// rows cheaply and leave the unpacking to another.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <QByteArray>

// Puts the statement's current row, from the column `first` on, into `row`, reusing its storage.
void ReadRow(const sqlcipher::Statement& statement, RiddleRow& row, int first = 0);

// Appends the statement's current row, from the column `first` on.
void PackRow(const sqlcipher::Statement& row, int first, QByteArray& out);

// Puts the row packed at `at` with this many fields into `row`; moves `at` past it.
void UnpackRow(const char*& at, int fields, RiddleRow& row);
