// Stand-ins for the message boxes and the process end, so handlers run headless.
#pragma once

#include "app/Messages.h"

#include <QString>
#include <QStringList>

class FakeMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    void ShowErrorBox(const QString& text) override { errors.append(text); }

    QStringList messages;
    QStringList errors;
};

class FakeProcess final : public ProcessControl {
public:
    void EndProgram() override { ++ends; }
    int ends = 0;
};
