// Window pointers and cursor files.
#include "ui/WindowPointer.h"

#include "kit/CursorFile.h"
#include "kit/Files.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

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

QCursor LoadCursorFile(const QString& path) {
    const QByteArray bytes = ReadSmallFile(path);
    const QPoint hotspot = CursorHotspot(bytes, path);
    const QImage image = QImage::fromData(bytes, "ICO");
    if (image.isNull()) {
        throw std::runtime_error(UnreadableCursorText(path).toStdString());
    }
    return QCursor(QPixmap::fromImage(image), hotspot.x(), hotspot.y());
}

void LoadHandCursor(const Files& files, WindowPointer& pointer) {
    const QString path = files.BesideProgram(HandCursorFileName);
    if (Files::FileExists(path)) {
        pointer.SetMouseIcon(LoadCursorFile(path));
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
