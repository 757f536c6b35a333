// Numbers typed or stored as text.
#include "kit/NumberText.h"

#include <QRegularExpression>

std::optional<double> ReadAsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(
        R"(^\s*[+-]?(?:[0-9]{1,3}(?:,[0-9]{3})+|[0-9]+)?(?:\.[0-9]*)?(?:[eE][+-]?[0-9]+)?\s*$)"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    static const QRegularExpression exponentMark(QStringLiteral("[eE]"));
    const QString trimmed = text.trimmed();
    // The mantissa needs a digit: a lone sign, point or exponent is not a number.
    const qsizetype exponent = trimmed.indexOf(exponentMark);
    const QString mantissa = exponent < 0 ? trimmed : trimmed.first(exponent);
    if (!number.match(text).hasMatch() || !mantissa.contains(digit)) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QString(trimmed).remove(u',').toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}
