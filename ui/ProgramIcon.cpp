// The icon's sizes are built into the program, so no icon file needs to lie beside it.
#include "ui/ProgramIcon.h"

// The resources sit in a static library; naming their initialiser here makes the linker keep
// them in every program that shows the icon. It must stand outside any namespace.
static void LoadIconResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(ui);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon ProgramIcon() {
    LoadIconResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/quorvane-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
