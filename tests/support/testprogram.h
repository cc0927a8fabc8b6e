#pragma once

#include "contentfolder.h"
#include "drillsources.h"
#include "testhost.h"

#include "app/program.h"
#include "content/contenterror.h"
#include "ui/screen/controls.h"

#include <QString>

#include <memory>
#include <optional>

namespace testsupport {

// The whole program on the offscreen platform, reading the content folders laid beside the test
// programs by the build (or a folder a test makes), recording the end instead of leaving, with
// failures going to the FailureLog in place and sounds to the recorder.
class TestProgram {
public:
    // Sounds go to a recorder unless the test names another output.
    explicit TestProgram(const QString& appPath = shippedContent(), ui::SoundSinkFactory sounds = {});
    ~TestProgram();
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    app::Program& program() { return *m_program; }
    ui::Screen& open(app::ScreenId id);
    ui::Screen& screen(app::ScreenId id) { return m_program->screen(id); }
    std::optional<int> exitCode() const { return m_exitCode; }
    // Lets the program's queued work run (such as its check that a screen is still loaded).
    static void settle();

    // The drill's clock and random source, handed to the drill screen when it is created.
    ManualClock* clock = nullptr;
    ScriptedRandom* random = nullptr;
    QList<double> randomValues;

    static QString shippedContent() { return testsupport::shippedContent(); }

private:
    std::unique_ptr<app::Program> m_program;
    std::optional<int> m_exitCode;
};

}  // namespace testsupport
