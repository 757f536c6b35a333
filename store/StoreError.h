// The exception every failure of the riddle store is raised as.
#pragma once

#include <QString>

#include <stdexcept>

class StoreError final : public std::runtime_error {
public:
    explicit StoreError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
};
