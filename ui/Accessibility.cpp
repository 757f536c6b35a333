// Accessible interfaces for the frame windows and text panels. Qt asks its factories for each class
// of an object from the most derived up, so ours answers for our two classes before Qt's own
// answers for QWidget or QLabel.
#include "ui/Accessibility.h"

#include <QAccessibleWidget>

namespace {

const char* const Decoration = "quorvaneDecoration";

class AccessibleFrame final : public QAccessibleWidget {
public:
    explicit AccessibleFrame(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = Controls();
        return index >= 0 && index < controls.size()
                   ? QAccessible::queryAccessibleInterface(controls[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : Controls().indexOf(child->object());
    }

private:
    // The child widgets Qt would show, less the decorations.
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control != nullptr && !control->isWindow() &&
                !control->property(Decoration).toBool()) {
                controls.append(control);
            }
        }
        return controls;
    }
};

// Read-only text without a caret or a selection: the label's text, read whole or in pieces.
class AccessibleTextPanel final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleTextPanel(QLabel* label)
        : QAccessibleWidget(label, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Text() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString Text() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* Interfaces(const QString& className, QObject* object) {
    if (className == QLatin1String("FrameWindow")) {
        return new AccessibleFrame(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("TextPanel")) {
        return new AccessibleTextPanel(static_cast<QLabel*>(object));
    }
    return nullptr;
}

void InstallInterfaces() {
    static const bool installed = (QAccessible::installFactory(Interfaces), true);
    Q_UNUSED(installed);
}

}  // namespace

FrameWindow::FrameWindow(QWidget* parent) : QWidget(parent) {
    InstallInterfaces();
}

TextPanel::TextPanel(QWidget* parent) : QLabel(parent) {
    InstallInterfaces();
}

void HideFromScreenReaders(QWidget& decoration) {
    decoration.setProperty(Decoration, true);
}
