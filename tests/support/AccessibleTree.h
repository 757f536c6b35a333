// What a screen reader is told of a window, read through Qt's accessibility interfaces as the
// desktop's bridge reads them.
#pragma once

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <QWidget>

// One line per control, depth first from the window itself: its role, its name in quotes, then
// the states that matter to a user ("focusable", "read-only", "checked"), and its description
// after " - " when it has one. What lies inside a table or a text box (cells, headers, scroll
// bars) is left out: it belongs to that control.
inline QStringList AccessibleControls(QWidget& window) {
    QStringList lines;
    const auto walk = [&lines](const auto& self, QAccessibleInterface* control) -> void {
        if (control == nullptr) {
            return;
        }
        const QAccessible::State state = control->state();
        QString line = QStringLiteral("%1 '%2'").arg(
            QString::fromLatin1(
                QMetaEnum::fromType<QAccessible::Role>().valueToKey(control->role())),
            control->text(QAccessible::Name));
        if (state.focusable) {
            line += QStringLiteral(" focusable");
        }
        if (state.readOnly) {
            line += QStringLiteral(" read-only");
        }
        if (state.checked) {
            line += QStringLiteral(" checked");
        }
        if (const QString description = control->text(QAccessible::Description);
            !description.isEmpty()) {
            line += QStringLiteral(" - ") + description;
        }
        lines.append(line);
        if (control->role() == QAccessible::Table || control->role() == QAccessible::EditableText) {
            return;
        }
        for (int child = 0; child < control->childCount(); ++child) {
            self(self, control->child(child));
        }
    };
    walk(walk, QAccessible::queryAccessibleInterface(&window));
    return lines;
}
