// The application title is process-wide: it is set once at start-up and read by message boxes.
#include "kit/ApplicationTitle.h"

namespace {

constexpr qsizetype MaxTitleLength = 40;

QString& Title() {
    static QString title;
    return title;
}

}  // namespace

QString ApplicationTitleFor(const QString& productName) {
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(u' ');
        if (blank < 0) {
            // A name without blanks cannot lose a word; it is cut to the longest title allowed.
            return title.left(MaxTitleLength);
        }
        title.truncate(blank);
    } while (title.size() > MaxTitleLength);
    return title;
}

void SetApplicationTitle() {
    Title() = ApplicationTitleFor(ProductName);
}

QString ApplicationTitle() {
    return Title();
}
