// What the probes preloaded into the program share: they find windows and buttons as a user does,
// by the window shown and the caption read, and end the program at once, saying why, when one is
// not there.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Fail(int status, const QString& why) {
    std::fprintf(stderr, "probe: %s\n", qPrintable(why));
    std::fflush(stdout);
    std::_Exit(status);
}

// A missing window or button ends the program with status 4.
inline QWidget* Window(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    Fail(4, QStringLiteral("no window %1").arg(name));
}

inline QPushButton* Button(QWidget* window, const QString& caption) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    Fail(4, QStringLiteral("no button %1").arg(caption));
}
