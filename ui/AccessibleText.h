// Text boxes as screen readers read them, in place of Qt's own interfaces, which cannot be
// extended: Qt 6.4 gives a line edit's text attributes as runs of no characters, and a screen
// reader that splits a line at those runs drops its last character ("50" is read as "5").
#pragma once

#include <QAccessibleWidget>

#include <utility>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Plain text with a caret and one selection; each kind of widget says where they are.
class AccessibleText : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    AccessibleText(QWidget* widget, bool multiLine);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    int cursorPosition() const override { return Selection().second; }
    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void scrollToSubstring(int, int) override {}
    // One run of no attributes over the whole text.
    QString attributes(int offset, int* start, int* end) const override;

    void deleteText(int start, int end) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int start, int end, const QString& text) override;

protected:
    virtual QString Text() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual void SetText(const QString& text) = 0;
    // Where a selection starts and where the caret is; the same offset when nothing is selected.
    virtual std::pair<int, int> Selection() const = 0;

private:
    bool multiLine_;
};

// Any line edit: the count box, the guess box, the answer box.
class AccessibleLineEdit final : public AccessibleText {
public:
    explicit AccessibleLineEdit(QLineEdit* edit);

    void setCursorPosition(int position) override;
    void setSelection(int index, int start, int end) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

protected:
    QString Text() const override;
    bool ReadOnly() const override;
    void SetText(const QString& text) override;
    std::pair<int, int> Selection() const override;

private:
    QLineEdit* Edit() const;
};

// A read-only text box whose whole text is one unit to the reader: it is read whole when the
// box is reached, and each line key reads it whole again; letters and words go one by one.
class AccessibleWholeText final : public AccessibleText {
public:
    explicit AccessibleWholeText(QPlainTextEdit* edit);

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override;
    void setCursorPosition(int position) override;
    void setSelection(int index, int start, int end) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

protected:
    QString Text() const override;
    bool ReadOnly() const override { return true; }
    void SetText(const QString&) override {}
    std::pair<int, int> Selection() const override;

private:
    QPlainTextEdit* Edit() const;
    // The offset, kept within the text: Qt warns of a caret placed past its end.
    int Within(int offset) const;
};

// A label read as read-only text: its whole text at hand, without a caret.
class AccessibleLabelText final : public AccessibleText {
public:
    explicit AccessibleLabelText(QLabel* label);

    void setCursorPosition(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }

protected:
    QString Text() const override;
    bool ReadOnly() const override { return true; }
    void SetText(const QString&) override {}
    std::pair<int, int> Selection() const override { return {0, 0}; }
};
