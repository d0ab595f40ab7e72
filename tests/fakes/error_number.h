#pragma once

#include "platform/run_time_error.h"

#include <QString>

#include <functional>

#include <gtest/gtest.h>

// The number of the error `action` throws (its description, which must not be
// empty, into `description`); 0 when it throws none.
inline int errorNumber(const std::function<void()>& action, QString* description = nullptr) {
    try {
        action();
    } catch (const RunTimeError& e) {
        EXPECT_FALSE(e.description().isEmpty());
        if (description)
            *description = e.description();
        return e.number();
    }
    return 0;
}
