// Connection strings name their parts with keys; only three of them mean anything here.
#include "store/ConnectionString.h"

#include "store/StoreError.h"

#include <QRegularExpression>

ConnectionSettings ParseConnectionString(const QString& text) {
    static const QRegularExpression key(
        QStringLiteral(R"((?:^|;)\s*(Provider|Data Source|Jet OLEDB:Database Password)\s*=)"),
        QRegularExpression::CaseInsensitiveOption);

    QList<QRegularExpressionMatch> keys;
    for (auto it = key.globalMatch(text); it.hasNext();) {
        keys.append(it.next());
    }

    ConnectionSettings settings;
    bool hasDataSource = false;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const qsizetype begin = keys[i].capturedEnd();
        const qsizetype end = i + 1 < keys.size() ? keys[i + 1].capturedStart() : text.size();
        QString value = text.mid(begin, end - begin).trimmed();
        if (i + 1 == keys.size() && value.endsWith(u';')) {
            value.chop(1);
        }
        const QString name = keys[i].captured(1).toLower();
        if (name == u"data source") {
            settings.dataSource = value;
            hasDataSource = true;
        } else if (name.startsWith(u"jet")) {
            settings.password = value;
        }
    }
    if (!hasDataSource || settings.dataSource.isEmpty()) {
        throw StoreError(QStringLiteral("The connection string names no riddle file."));
    }
    return settings;
}
