// The product name and the title every untitled message box carries.
#pragma once

#include <QString>

inline const QString ProductName = QStringLiteral("Quorvane Software");

// The product name without its last word, shortened word by word to at most 40 characters.
QString ApplicationTitleFor(const QString& productName);

void SetApplicationTitle();
QString ApplicationTitle();
