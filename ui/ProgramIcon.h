// The program's icon, the same on all three windows.
#pragma once

#include <QIcon>

QIcon ProgramIcon();
