// Colours follow the desktop theme: a dark theme gives the windows a dark surface.
#include "ui/WindowAppearance.h"

#include "kit/Files.h"
#include "ui/SkinFramework.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

void UseSurfaceColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ApplySystemColors(QWidget& window) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    UseSurfaceColor(window, buttonFace);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) ||
            qobject_cast<QRadioButton*>(control) || qobject_cast<QGroupBox*>(control)) {
            UseSurfaceColor(*control, buttonFace);
        }
    }
}

void ApplySkin(QWidget& window, const Files& files, SkinFramework& skin) {
    const QString path = files.BesideProgram(SkinFileName);
    if (!Files::IsNormalFile(path)) {
        return;
    }
    ApplySystemColors(window);
    skin.LoadSkin(path);
    skin.ApplyWindow(window);
}
