// A window's one mouse-pointer setting, over the window and all its controls.
#pragma once

#include "kit/Seams.h"

#include <QCursor>

#include <initializer_list>
#include <optional>

class Files;
class QWidget;

class WindowPointer final : public PointerSetting {
public:
    explicit WindowPointer(QWidget& window) : window_(window) {}

    Pointer MousePointer() const override { return value_; }
    // Applies over the window and every control on it, as one setting.
    void SetMousePointer(Pointer value) override;
    // The picture the custom pointer shows; without one it shows the normal arrow.
    void SetMouseIcon(const QCursor& picture);
    // The scale the window is drawn at on its screen: 2 on a screen of twice the usual density.
    qreal DevicePixelRatio() const;

private:
    QWidget& window_;
    Pointer value_ = Pointer::Default;
    std::optional<QCursor> picture_;
};

// Reads a Windows .cur file with its hotspot, drawn for a screen of the given scale: at 2, the
// picture has twice the pixels each way and shows at the size it has at 1. Throws
// std::runtime_error when it is no cursor.
QCursor LoadCursorFile(const QString& path, qreal devicePixelRatio = 1);

// Makes "HAND-M.CUR" beside the program the window's custom pointer, when the file is there,
// drawn at the window's scale.
void LoadHandCursor(const Files& files, WindowPointer& pointer);

// The pointer rules a window applies as the mouse moves over its surface and controls. Neither
// touches the busy pointer.
enum class PointerRule {
    Default,  // the normal arrow: the window surface, frames, boxes, labels, the list
    Hand,     // the custom picture: push buttons
};

// Applies the rule whenever the mouse moves over the control. A default-rule control leaves the
// pointer alone while the mouse is over one of its own children, whose rule (or none) decides.
void UsePointerRule(QWidget& control, PointerSetting& pointer, PointerRule rule);

// The default-pointer rule on each of `arrows`, the hand-pointer rule on each of `hands`.
void UsePointerRules(PointerSetting& pointer, std::initializer_list<QWidget*> arrows,
                     std::initializer_list<QWidget*> hands);
