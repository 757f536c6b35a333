// One value changed in the text of an INI file, in the form Qt's settings read, with every other
// line left as it stands.
#pragma once

#include <QByteArray>
#include <QString>

// A section or key name as the file holds it: "Hide Answers" is "Hide%20Answers".
QByteArray IniEscapedName(const QString& name);

// A text value as the file holds it: quoted where blanks or separators would change it, control
// characters escaped, a leading "@" doubled.
QByteArray IniEscapedValue(const QString& value);

// The INI text with key in section set to value: the key's lines in that section are replaced,
// or the key is added at the section's end, or the section at the file's end.
QByteArray WithIniValue(const QByteArray& ini, const QString& section, const QString& key,
                        const QString& value);
