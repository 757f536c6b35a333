// The text interfaces of our text boxes: offsets count UTF-16 units, as Qt's own do.
#include "ui/AccessibleText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

AccessibleText::AccessibleText(QWidget* widget, bool multiLine)
    : QAccessibleWidget(widget, QAccessible::EditableText), multiLine_(multiLine) {}

void* AccessibleText::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface && !ReadOnly()) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleText::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = ReadOnly();
    state.editable = !ReadOnly();
    state.multiLine = multiLine_;
    state.selectableText = true;
    return state;
}

QString AccessibleText::text(QAccessible::Text kind) const {
    return kind == QAccessible::Value ? Text() : QAccessibleWidget::text(kind);
}

void AccessibleText::selection(int index, int* start, int* end) const {
    *start = *end = 0;
    if (index == 0 && selectionCount() == 1) {
        const auto [anchor, caret] = Selection();
        *start = std::min(anchor, caret);
        *end = std::max(anchor, caret);
    }
}

int AccessibleText::selectionCount() const {
    const auto [anchor, caret] = Selection();
    return anchor == caret ? 0 : 1;
}

QString AccessibleText::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

void AccessibleText::deleteText(int start, int end) {
    SetText(Text().remove(start, end - start));
}

void AccessibleText::insertText(int offset, const QString& text) {
    SetText(Text().insert(offset, text));
}

void AccessibleText::replaceText(int start, int end, const QString& text) {
    SetText(Text().replace(start, end - start, text));
}

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* edit) : AccessibleText(edit, false) {}

QLineEdit* AccessibleLineEdit::Edit() const {
    return static_cast<QLineEdit*>(widget());
}

QString AccessibleLineEdit::Text() const {
    return Edit()->displayText();
}

bool AccessibleLineEdit::ReadOnly() const {
    return Edit()->isReadOnly();
}

void AccessibleLineEdit::SetText(const QString& text) {
    Edit()->setText(text);
}

std::pair<int, int> AccessibleLineEdit::Selection() const {
    const int caret = Edit()->cursorPosition();
    if (!Edit()->hasSelectedText()) {
        return {caret, caret};
    }
    const int start = Edit()->selectionStart();
    const int end = start + Edit()->selectionLength();
    return {caret == start ? end : start, caret};
}

void AccessibleLineEdit::setCursorPosition(int position) {
    Edit()->setCursorPosition(position);
}

void AccessibleLineEdit::setSelection(int, int start, int end) {
    Edit()->setSelection(start, end - start);
}

QRect AccessibleLineEdit::characterRect(int offset) const {
    const QFontMetrics metrics = Edit()->fontMetrics();
    const QString text = Text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    const QRect contents = Edit()->contentsRect().marginsRemoved(Edit()->textMargins());
    const int left = metrics.horizontalAdvance(text.left(offset));
    const QRect glyph(contents.left() + left, contents.center().y() - metrics.height() / 2,
                      metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return glyph.translated(Edit()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

AccessibleWholeText::AccessibleWholeText(QPlainTextEdit* edit) : AccessibleText(edit, true) {}

QPlainTextEdit* AccessibleWholeText::Edit() const {
    return static_cast<QPlainTextEdit*>(widget());
}

QString AccessibleWholeText::Text() const {
    return Edit()->toPlainText();
}

std::pair<int, int> AccessibleWholeText::Selection() const {
    const QTextCursor cursor = Edit()->textCursor();
    return {cursor.anchor(), cursor.position()};
}

QString AccessibleWholeText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* start, int* end) const {
    if (boundary != QAccessible::LineBoundary) {
        return AccessibleText::textAtOffset(offset, boundary, start, end);
    }
    *start = 0;
    *end = characterCount();
    return Text();
}

QString AccessibleWholeText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* start, int* end) const {
    if (boundary != QAccessible::LineBoundary) {
        return AccessibleText::textBeforeOffset(offset, boundary, start, end);
    }
    *start = *end = 0;
    return {};
}

QString AccessibleWholeText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* start, int* end) const {
    if (boundary != QAccessible::LineBoundary) {
        return AccessibleText::textAfterOffset(offset, boundary, start, end);
    }
    *start = *end = characterCount();
    return {};
}

int AccessibleWholeText::Within(int offset) const {
    return std::clamp(offset, 0, characterCount());
}

void AccessibleWholeText::setCursorPosition(int position) {
    QTextCursor cursor = Edit()->textCursor();
    cursor.setPosition(Within(position));
    Edit()->setTextCursor(cursor);
}

void AccessibleWholeText::setSelection(int, int start, int end) {
    QTextCursor cursor = Edit()->textCursor();
    cursor.setPosition(Within(start));
    cursor.setPosition(Within(end), QTextCursor::KeepAnchor);
    Edit()->setTextCursor(cursor);
}

QRect AccessibleWholeText::characterRect(int offset) const {
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(Within(offset));
    const QRect caret = Edit()->cursorRect(cursor);
    const QFontMetrics metrics = Edit()->fontMetrics();
    const QString text = Text();
    const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
    return QRect(caret.topLeft(), QSize(width, caret.height()))
        .translated(Edit()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleWholeText::offsetAtPoint(const QPoint& point) const {
    const QPoint inside = Edit()->viewport()->mapFromGlobal(point);
    return Edit()->cursorForPosition(inside).position();
}

AccessibleLabelText::AccessibleLabelText(QLabel* label) : AccessibleText(label, true) {}

QString AccessibleLabelText::Text() const {
    return static_cast<const QLabel*>(widget())->text();
}
