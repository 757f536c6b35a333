// The error report's text, and the trap that reports failing steps.
#include "kit/ErrorReport.h"

#include <QtGlobal>

QString ErrorReport::Text() const {
    return description + QStringLiteral("\r\nin Lumivex2021/08/31.") + window + u'.' + handler +
           QStringLiteral(" at line ") + QString::number(line) +
           QStringLiteral("\r\rPlease email screenshot of this message to ") + SupportAddress;
}

void ErrorTrap::Report(int line, const QString& description) {
    messages_.ShowErrorReport({window_, handler_, description, line});
}

void NoteUnreportedFailure(const char* description) noexcept {
    qWarning("Quorvane: %s", description);
}
