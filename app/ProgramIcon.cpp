// The icon's sizes are built into the program, so no icon file needs to lie beside it.
#include "app/ProgramIcon.h"

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quorvane-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
