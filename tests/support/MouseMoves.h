// A mouse move over a widget, sent to it as the desktop would, for the pointer rules.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

inline void MoveMouseOver(QWidget& widget, QPoint at = {2, 2}) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}
