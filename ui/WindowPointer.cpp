// Window pointers and cursor files.
#include "ui/WindowPointer.h"

#include "kit/CursorFile.h"
#include "kit/Files.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <stdexcept>

void WindowPointer::SetMousePointer(Pointer value) {
    if (value == value_) {
        return;  // the rules set the pointer on every mouse move
    }
    value_ = value;
    std::optional<QCursor> cursor;
    if (value == Pointer::Busy) {
        cursor = QCursor(Qt::WaitCursor);
    } else if (value == Pointer::Custom) {
        cursor = picture_.value_or(QCursor(Qt::ArrowCursor));
    }
    // Controls have pointers of their own (an I-beam over text), so the setting is put on each.
    for (QWidget* widget : window_.findChildren<QWidget*>()) {
        cursor ? widget->setCursor(*cursor) : widget->unsetCursor();
    }
    cursor ? window_.setCursor(*cursor) : window_.unsetCursor();
}

void WindowPointer::SetMouseIcon(const QCursor& picture) {
    picture_ = picture;
    if (value_ == Pointer::Custom) {
        value_ = Pointer::Default;
        SetMousePointer(Pointer::Custom);
    }
}

qreal WindowPointer::DevicePixelRatio() const {
    return window_.devicePixelRatio();
}

// The desktop's pointer size (XCURSOR_SIZE) is not followed: X11 gives it in screen pixels with
// the scale already in, Wayland in the window's units, and many desktops leave it unset. The hand
// keeps the 32 units it was drawn at, whatever the scale.
QCursor LoadCursorFile(const QString& path, qreal devicePixelRatio) {
    const QByteArray bytes = ReadSmallFile(path);
    const QPoint hotspot = CursorHotspot(bytes, path);
    QImage image = QImage::fromData(bytes, "ICO");
    if (image.isNull()) {
        throw std::runtime_error(UnreadableCursorText(path).toStdString());
    }
    const qreal scale = std::max<qreal>(devicePixelRatio, 1);
    if (scale != 1) {
        // The hand is pixel art with a hard outline: at a whole scale each pixel becomes a
        // square of them, exactly as drawn, where smoothing would blur the outline into the
        // background. Only a fractional scale, which would make strokes of uneven width, is
        // smoothed.
        const bool whole = std::round(scale) == scale;
        image = image.scaled((QSizeF(image.size()) * scale).toSize(), Qt::IgnoreAspectRatio,
                             whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(scale);
    // Wayland places the hotspot in the window's units and scales it itself; X11 takes it in
    // the picture's own pixels.
    const QPoint spot = QGuiApplication::platformName().startsWith(u"wayland")
                            ? hotspot
                            : (QPointF(hotspot) * scale).toPoint();
    return QCursor(picture, spot.x(), spot.y());
}

void LoadHandCursor(const Files& files, WindowPointer& pointer) {
    const QString path = files.BesideProgram(HandCursorFileName);
    if (Files::FileExists(path)) {
        pointer.SetMouseIcon(LoadCursorFile(path, pointer.DevicePixelRatio()));
    }
}

namespace {

class PointerRuleFilter final : public QObject {
public:
    PointerRuleFilter(QWidget& control, PointerSetting& pointer, PointerRule rule)
        : QObject(&control), pointer_(pointer), rule_(rule) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::Enter) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        if (rule_ == PointerRule::Default && event->type() == QEvent::MouseMove &&
            control->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()) != nullptr) {
            return false;
        }
        if (pointer_.MousePointer() != Pointer::Busy) {
            pointer_.SetMousePointer(rule_ == PointerRule::Hand ? Pointer::Custom
                                                                : Pointer::Default);
        }
        return false;
    }

private:
    PointerSetting& pointer_;
    PointerRule rule_;
};

}  // namespace

void UsePointerRule(QWidget& control, PointerSetting& pointer, PointerRule rule) {
    auto* filter = new PointerRuleFilter(control, pointer, rule);  // owned by the control
    control.setMouseTracking(true);
    control.installEventFilter(filter);
    // Lists and text boxes receive the mouse in their viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&control)) {
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(filter);
    }
}

void UsePointerRules(PointerSetting& pointer, std::initializer_list<QWidget*> arrows,
                     std::initializer_list<QWidget*> hands) {
    for (QWidget* control : arrows) {
        UsePointerRule(*control, pointer, PointerRule::Default);
    }
    for (QWidget* control : hands) {
        UsePointerRule(*control, pointer, PointerRule::Hand);
    }
}
