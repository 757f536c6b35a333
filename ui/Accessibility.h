// What screen readers are told of our windows beyond what Qt tells them of any widget: which
// window is which, what a read-only text panel holds, and which children are no controls.
#pragma once

#include <QLabel>
#include <QWidget>

// A top-level window that screen readers see as a frame, named by its accessible name (the
// caption is the same for every window of the program), holding only its controls. Qt shows a
// plain widget window as a filler.
class FrameWindow : public QWidget {
    Q_OBJECT

public:
    explicit FrameWindow(QWidget* parent = nullptr);
};

// Leaves a child of a FrameWindow that only draws, such as a backing surface, out of what
// screen readers are shown of the window.
void HideFromScreenReaders(QWidget& decoration);

// A label that screen readers read as read-only text, its whole text at hand, under its own
// accessible name (a plain label gives its text as its name). It draws as any label.
class TextPanel final : public QLabel {
    Q_OBJECT

public:
    explicit TextPanel(QWidget* parent);
};
