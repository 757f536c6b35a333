// Window and control sizes are given in twips; 1440 twips make an inch on the screen.
#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <initializer_list>
#include <iterator>

inline int Twips(const QWidget& widget, int twips) {
    return qRound(twips * widget.logicalDpiX() / 1440.0);
}

inline QRect TwipsRect(const QWidget& widget, int left, int top, int width, int height) {
    return {Twips(widget, left), Twips(widget, top), Twips(widget, width), Twips(widget, height)};
}

inline void PlaceInTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsRect(widget, left, top, width, height));
}

// One row of a window's control table: the control, its name, its rectangle in twips relative
// to its container.
struct ControlPlace {
    QWidget* control;
    const char* name;
    int left, top, width, height;
};

// Names and places each control; handlers and tests find controls by these names.
inline void PlaceControls(std::initializer_list<ControlPlace> table) {
    for (const ControlPlace& row : table) {
        row.control->setObjectName(QString::fromLatin1(row.name));
        PlaceInTwips(*row.control, row.left, row.top, row.width, row.height);
    }
}

// Fixes the window's client area in twips and centres the window on its screen.
inline void FixClientSizeInTwips(QWidget& window, int width, int height) {
    window.setFixedSize(Twips(window, width), Twips(window, height));
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

// Focus moves through the controls in this order.
inline void ChainTabOrder(std::initializer_list<QWidget*> order) {
    for (auto it = order.begin(); it != order.end() && std::next(it) != order.end(); ++it) {
        QWidget::setTabOrder(*it, *std::next(it));
    }
}
