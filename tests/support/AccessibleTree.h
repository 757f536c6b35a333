// What a screen reader is told of a window, read through Qt's accessibility interfaces as the
// desktop's bridge reads them.
#pragma once

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <QWidget>

#include <utility>

// One line per control, depth first from the window itself: its role, its name in quotes, then
// the states that matter to a user ("focusable", "read-only", "checked"), and "described" when it
// has a description (its wording is the window's own). Frames and status bars without a name,
// which screen readers pass over, give no line, though what they hold does. What lies inside a
// table or a text box (cells, headers, scroll bars) is left out: it belongs to that control.
inline QStringList AccessibleControls(QWidget& window) {
    QStringList lines;
    const auto walk = [&lines](const auto& self, QAccessibleInterface* control) -> void {
        if (control == nullptr) {
            return;
        }
        const QAccessible::State state = control->state();
        const QAccessible::Role role = control->role();
        const QString name = control->text(QAccessible::Name);
        QString line = QStringLiteral("%1 '%2'").arg(
            QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role)), name);
        const bool described = !control->text(QAccessible::Description).isEmpty();
        for (const auto& [holds, word] :
             {std::pair(bool(state.focusable), " focusable"),
              std::pair(bool(state.readOnly), " read-only"),
              std::pair(bool(state.checked), " checked"), std::pair(described, " described")}) {
            line += holds ? QString::fromLatin1(word) : QString();
        }
        if ((role != QAccessible::Grouping && role != QAccessible::StatusBar) || !name.isEmpty()) {
            lines.append(line);
        }
        if (role == QAccessible::Table || role == QAccessible::EditableText) {
            return;
        }
        for (int child = 0; child < control->childCount(); ++child) {
            self(self, control->child(child));
        }
    };
    walk(walk, QAccessible::queryAccessibleInterface(&window));
    return lines;
}
