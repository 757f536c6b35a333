// Skin files: read, checked, and applied as a style sheet.
#include "ui/SkinFramework.h"

#include "kit/Files.h"
#include "kit/SkinSheet.h"

#include <QWidget>

void SkinFramework::LoadSkin(const QString& path) {
    sheet_ = SkinSheet(ReadSmallFile(path), path);
}

void SkinFramework::ApplyWindow(QWidget& window) const {
    window.setStyleSheet(sheet_);
}
