#pragma once

#include "contenterror.h"

#include <functional>
#include <memory>

class QMessageBox;

namespace content {

// What happens to a content failure: by default one modal message box in Japanese, the same text
// on stderr, and the program ends with a non-zero status. Tests install their own handler.
using FailureReporter = std::function<void(const ContentError&)>;

void setFailureReporter(FailureReporter reporter);
void reportFailure(const ContentError& error);

// Runs one event's handler; a content failure inside it is reported here, in one place.
void runGuarded(const std::function<void()>& handler);

inline constexpr int kContentFailureExitCode = 3;

// The message box of a failure report, sized to fit the screen whatever the path and cause.
std::unique_ptr<QMessageBox> makeFailureBox(const ContentError& error);

}  // namespace content
