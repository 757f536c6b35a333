// Text in the system's ANSI code page, as exports write it: the code page Windows reports there,
// and Windows-1252, the code page of the program's users, elsewhere (AnsiCodePage_windows.cpp,
// AnsiCodePage_posix.cpp). A character the code page cannot hold becomes "?".
#pragma once

#include <QByteArray>
#include <QString>

QByteArray ToAnsiCodePage(const QString& text);
