#pragma once

#include "content/failurereport.h"

#include <memory>

class QMessageBox;

namespace app {

// The program's answer to a content failure: every window goes, one modal message box in
// Japanese names the file and the cause, the same text goes to stderr, and the program ends
// with a status that is not zero.
class FailureBox : public content::FailureReporter {
public:
    void report(const content::ContentError& error) override;
};

// The message box of a failure report, sized to fit the screen whatever the path and cause.
std::unique_ptr<QMessageBox> makeFailureBox(const content::ContentError& error);

}  // namespace app
