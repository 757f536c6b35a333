// What screen readers are told of our windows beyond what Qt tells them of any widget: which
// window is which, what a read-only text panel holds, which children are no controls, and what
// a button press brought about. Qt's own interfaces for line edits and tables are replaced where
// they mislead screen readers (ui/AccessibleText.h, ui/AccessibleTable.h).
#pragma once

#include <QLabel>
#include <QWidget>

class QPlainTextEdit;

// A top-level window that screen readers see as a frame, named by its accessible name (the
// caption is the same for every window of the program), holding only its controls. Qt shows a
// plain widget window as a filler. Enter presses the focused button, as Space does: Qt leaves
// Enter to a dialog's default button, and our windows are no dialogs.
class FrameWindow : public QWidget {
    Q_OBJECT

public:
    explicit FrameWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Leaves a child of a FrameWindow that only draws, such as a backing surface, out of what
// screen readers are shown of the window.
void HideFromScreenReaders(QWidget& decoration);

// Has screen readers read the box's whole text wherever the caret is, as one line, and lets the
// arrow keys move an unseen caret through it for them, letter by letter and word by word.
void ReadWholeText(QPlainTextEdit& box);

// A label that screen readers read as read-only text, its whole text at hand, under its own
// accessible name (a plain label gives its text as its name). It draws as any label.
class TextPanel final : public QLabel {
    Q_OBJECT

public:
    explicit TextPanel(QWidget* parent);
};

// Tells screen readers a short text, such as what a button press brought about, while the focus
// stays on the button. Qt 6.4 has no announcement of its own, and the name and description
// changes it sends carry no text a screen reader can speak; a notification showing in a status
// bar is spoken at once, without a role name. It takes no room and draws nothing.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& text);
    // What was announced last.
    const QString& Text() const { return text_; }

private:
    QWidget* notice_;
    QString text_;
};
