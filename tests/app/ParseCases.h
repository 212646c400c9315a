#pragma once

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <span>

// Arguments, without the program's name, and what they must parse to.
struct ParseCase {
    QStringList args;
    CommandLine::Action action;
    QString error;
};

inline void ExpectParses(std::span<const ParseCase> cases) {
    for (const ParseCase& c : cases) {
        const CommandLine got = ParseCommandLine(QStringList{"korvane"} + c.args);
        EXPECT_EQ(got.action, c.action) << c.args.join(' ').toStdString();
        EXPECT_EQ(got.error, c.error) << c.args.join(' ').toStdString();
    }
}
