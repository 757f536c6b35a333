// Accessible interfaces for our windows and controls. Qt asks its factories for each class of an
// object from the most derived up, the factory installed last first, so ours answers for
// QLineEdit, QTableView and our own classes before Qt's.
#include "ui/Accessibility.h"

#include "ui/AccessibleTable.h"
#include "ui/AccessibleText.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

namespace {

const char* const Decoration = "quorvaneDecoration";
const char* const WholeText = "quorvaneWholeText";
const char* const Notice = "quorvaneNotice";

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

// A frame whose caption already names the text box inside it (Qt names a box without a label
// of its own after its frame) is left unnamed, so that its caption is read once, with the box.
class AccessibleGroupBox final : public QAccessibleWidget {
public:
    explicit AccessibleGroupBox(QGroupBox* box) : QAccessibleWidget(box, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        return NamesABox() ? QString() : static_cast<const QGroupBox*>(widget())->title();
    }

private:
    bool NamesABox() const {
        for (QObject* child : widget()->children()) {
            auto* box = qobject_cast<QWidget*>(child);
            if ((qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child)) &&
                box->accessibleName().isEmpty()) {
                return true;
            }
        }
        return false;
    }
};

class AccessibleNotice final : public QAccessibleWidget {
public:
    explicit AccessibleNotice(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name
                   ? static_cast<const Announcer*>(widget()->parentWidget())->Text()
                   : QString();
    }
};

QAccessibleInterface* Interfaces(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("FrameWindow")) {
        return new AccessibleFrame(widget);
    }
    if (className == QLatin1String("TextPanel")) {
        return new AccessibleLabelText(static_cast<QLabel*>(widget));
    }
    if (className == QLatin1String("Announcer")) {
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    }
    if (className == QLatin1String("QLineEdit")) {
        return new AccessibleLineEdit(static_cast<QLineEdit*>(widget));
    }
    if (className == QLatin1String("QPlainTextEdit") && widget->property(WholeText).toBool()) {
        return new AccessibleWholeText(static_cast<QPlainTextEdit*>(widget));
    }
    if (className == QLatin1String("QTableView")) {
        return new AccessibleTable(static_cast<QTableView*>(widget));
    }
    if (className == QLatin1String("QGroupBox")) {
        return new AccessibleGroupBox(static_cast<QGroupBox*>(widget));
    }
    if (className == QLatin1String("QWidget") && widget->property(Notice).toBool()) {
        return new AccessibleNotice(widget);
    }
    return nullptr;
}

// Qt moves a text box's caret, and selects its text, as the box takes the focus, and tells
// screen readers of the focus only after that; a screen reader that follows the caret takes the
// box as already reached and never names it, so an empty box is not heard at all. A box's caret
// and selection changes are left out until its focus has been told; the screen reader reads
// the caret's place as the box is reached anyway.
QPointer<QObject> focusTold;
QAccessible::UpdateHandler earlierHandler = nullptr;

void PassOn(QAccessibleEvent* event) {
    switch (event->type()) {
        case QAccessible::Focus:
            focusTold = event->object();
            break;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
            if (event->object() != focusTold && event->object() == QApplication::focusWidget()) {
                return;
            }
            break;
        case QAccessible::TableModelChanged:
            // Qt has applied it to the table's interface already, and the bridge passes none on;
            // going round again would apply it twice.
            return;
        default:
            break;
    }
    if (earlierHandler != nullptr) {
        earlierHandler(event);
        return;
    }
    // Qt's own way to the desktop's bridge is taken while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(PassOn);
}

void InstallInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(Interfaces);
        earlierHandler = QAccessible::installUpdateHandler(PassOn);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

FrameWindow::FrameWindow(QWidget* parent) : QWidget(parent) {
    InstallInterfaces();
}

void FrameWindow::keyPressEvent(QKeyEvent* event) {
    // A button lets Enter through to its window; a line edit too, after its own returnPressed.
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button != nullptr && button->isEnabled() && !event->isAutoRepeat()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

TextPanel::TextPanel(QWidget* parent) : QLabel(parent) {
    InstallInterfaces();
}

void HideFromScreenReaders(QWidget& decoration) {
    decoration.setProperty(Decoration, true);
}

void ReadWholeText(QPlainTextEdit& box) {
    InstallInterfaces();
    box.setProperty(WholeText, true);
    // Building the box may have asked for its interface already, and Qt keeps the first one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&box);
        dynamic_cast<AccessibleWholeText*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    box.setTextInteractionFlags(box.textInteractionFlags() | Qt::TextSelectableByKeyboard);
    box.setCursorWidth(0);  // the caret is there for screen readers; the box looks as before
}

Announcer::Announcer(QWidget* window) : QWidget(window), notice_(new QWidget(this)) {
    InstallInterfaces();
    notice_->setProperty(Notice, true);
    notice_->hide();
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

void Announcer::Announce(const QString& text) {
    text_ = text;
    // A screen reader speaks a notification as it comes to show.
    notice_->hide();
    notice_->show();
}
