// Window and control sizes are given in twips; 1440 twips make an inch on the screen.
#pragma once

#include <QRect>
#include <QWidget>

inline int Twips(const QWidget& widget, int twips) {
    return qRound(twips * widget.logicalDpiX() / 1440.0);
}

inline QRect TwipsRect(const QWidget& widget, int left, int top, int width, int height) {
    return {Twips(widget, left), Twips(widget, top), Twips(widget, width), Twips(widget, height)};
}

inline void PlaceInTwips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(TwipsRect(widget, left, top, width, height));
}
