// Rows packed into bytes: each field a type byte, then eight bytes for a number, or a four-byte
// length and the bytes for a text or blob. Packing copies what SQLite holds without turning text
// into QString, so a thread can pack rows cheaply and leave the unpacking to another.
#pragma once

#include "store/RiddleSource.h"
#include "store/SqlCipher.h"

#include <QByteArray>

// Appends the statement's current row, from the column `first` on.
void PackRow(const sqlcipher::Statement& row, int first, QByteArray& out);

// Puts the row packed at `at` with this many fields into `row`; moves `at` past it.
void UnpackRow(const char*& at, int fields, RiddleRow& row);
