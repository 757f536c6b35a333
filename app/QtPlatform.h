// The message boxes and the process end as the desktop provides them.
#pragma once

#include "app/Messages.h"

class QtMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override;
    void ShowErrorBox(const QString& text) override;
};

class SystemProcess final : public ProcessControl {
public:
    [[noreturn]] void EndProgram() override;
};
