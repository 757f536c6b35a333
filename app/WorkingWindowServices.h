// What the main window hands each working window it opens.
#pragma once

#include "app/Files.h"
#include "app/Messages.h"
#include "app/Settings.h"
#include "store/Connection.h"

#include <functional>
#include <stdexcept>

struct WorkingWindowServices {
    Messages& messages;
    SettingsStore& settings;
    Files files;
    Connection* riddleConnection;  // the program's one connection; never opened or closed here
    std::function<void()> showMainWindow;

    Connection& RiddleConnection() const {
        if (riddleConnection == nullptr) {
            throw std::runtime_error("The riddle file was never opened.");
        }
        return *riddleConnection;
    }
};
