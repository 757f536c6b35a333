// Colours follow the desktop theme, also when it changes while a window is open, and text on a
// surface the program colours itself keeps a colour that reads there.
#include "ui/WindowAppearance.h"

#include "kit/Files.h"
#include "ui/SkinFramework.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

// Where UseSurfaceColor keeps a widget's own colour, which the theme's button colour never
// replaces.
constexpr char OwnSurfaceColor[] = "quorvaneOwnSurfaceColor";
const QString ThemeFollowerName = QStringLiteral("quorvaneThemeFollower");

double RelativeLuminance(const QColor& color) {
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// The theme's own text colour wherever it reads on the surface; a surface the theme did not
// choose for its text (the browser's white panel under a dark theme) gets black or white.
QColor TextColorOn(const QColor& surface, const QColor& themeText) {
    if (ContrastRatio(themeText, surface) >= 4.5) {
        return themeText;
    }
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(black, surface) >= ContrastRatio(white, surface) ? black : white;
}

// Fills the surface and writes on it in a colour that reads there. Disabled text keeps the
// theme's colour, which is meant to read as faint.
void PaintSurface(QWidget& widget, const QColor& color) {
    const QPalette theme = QApplication::palette(&widget);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText,
                         TextColorOn(color, theme.color(group, QPalette::WindowText)));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Colours a window again whenever the desktop's colours change while it is open; a colour
// fixed when the window opened would leave it in the old theme.
class ThemeFollower final : public QObject {
public:
    explicit ThemeFollower(QWidget& window) : QObject(&window) {
        setObjectName(ThemeFollowerName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange) {
            ApplySystemColors(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double one = RelativeLuminance(first);
    const double other = RelativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

void UseSurfaceColor(QWidget& widget, const QColor& color) {
    widget.setProperty(OwnSurfaceColor, color);
    PaintSurface(widget, color);
}

void ApplySystemColors(QWidget& window) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    PaintSurface(window, buttonFace);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QVariant ownColor = control->property(OwnSurfaceColor);
        if (ownColor.isValid()) {
            PaintSurface(*control, ownColor.value<QColor>());  // its text may need a new colour
        } else if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) ||
                   qobject_cast<QRadioButton*>(control) || qobject_cast<QGroupBox*>(control)) {
            PaintSurface(*control, buttonFace);
        }
    }
    if (!window.findChild<QObject*>(ThemeFollowerName, Qt::FindDirectChildrenOnly)) {
        new ThemeFollower(window);
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
