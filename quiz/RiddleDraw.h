// Drawing one riddle at random from the whole riddle table.
#pragma once

#include <QString>

class Connection;
class PointerSetting;
class RandomSource;

// The record string of a riddle drawn uniformly from all rows, or the empty string when the table
// has no rows. The busy pointer shows meanwhile. Throws when the query fails or the riddle text
// is null.
QString LoadRandomRiddle(Connection& connection, RandomSource& random, PointerSetting& pointer);
