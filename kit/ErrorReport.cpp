// The one text every failure reaches the user as.
#include "kit/ErrorReport.h"

#include <QtGlobal>

QString ErrorReportText(const QString& window, const QString& handler, const QString& description,
                        int line) {
    return description + QStringLiteral("\r\nin Lumivex2021/08/31.") + window + u'.' + handler +
           QStringLiteral(" at line ") + QString::number(line) +
           QStringLiteral("\r\rPlease email screenshot of this message to ") + SupportAddress;
}

void ShowErrorReport(Messages& messages, const QString& window, const QString& handler,
                     const QString& description, int line) {
    messages.ShowErrorBox(ErrorReportText(window, handler, description, line));
}

void ErrorTrap::Report(int line, const QString& description) {
    ShowErrorReport(messages_, window_, handler_, description, line);
}

void NoteUnreportedFailure(const char* description) noexcept {
    qWarning("Quorvane: %s", description);
}
