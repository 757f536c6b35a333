// The windows' fonts: Arial bold throughout (Liberation Sans stands in with the same metrics).
#pragma once

#include <QFont>

inline QFont ArialBold(qreal points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

inline constexpr qreal WindowPoints = 9;
inline constexpr qreal ButtonPoints = 11.25;
