#pragma once

#include "contenterror.h"

#include <functional>

namespace content {

// Where a content failure goes: the program shows it and ends, a test keeps a log of it.
class FailureReporter {
public:
    virtual ~FailureReporter() = default;
    virtual void report(const ContentError& error) = 0;
};

// Runs the handler of each event; a content failure inside one is reported here, in one place.
class EventGuard {
public:
    explicit EventGuard(FailureReporter& reporter) : m_reporter(reporter) {}

    void run(const std::function<void()>& handler);

private:
    FailureReporter& m_reporter;
    // While a failure is being reported the program is ending: clocks that still tick behind the
    // report must not read more files, nor report again.
    bool m_reporting = false;
    // Nested dispatches (a click that shows a screen which loads) report once, at the outermost.
    int m_depth = 0;
};

inline constexpr int kContentFailureExitCode = 3;

}  // namespace content
