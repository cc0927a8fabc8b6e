#pragma once

#include "app/program.h"
#include "content/contenterror.h"
#include "drill/drillclock.h"
#include "ui/controls.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace testsupport {

// Sounds the media players were asked to play, in order, instead of playing them.
QStringList& playedSounds();
void installSoundRecorder();

// Content failures caught around event dispatch, instead of a message box and an exit.
struct FailureLog {
    QList<content::ContentError> errors;
    FailureLog();
    ~FailureLog();
};

// A clock and a random source the test moves by hand.
struct ManualClock : drill::Clock {
    double now = 36000.0;  // 10:00:00
    double secondsSinceMidnight() const override { return now; }
};
struct ScriptedRandom : drill::RandomSource {
    QList<double> values;  // handed out in turn, the last one repeated
    int next_index = 0;
    double next() override
    {
        const double value = values.isEmpty() ? 0.0 : values[qMin(next_index, int(values.size()) - 1)];
        ++next_index;
        return value;
    }
};

// The whole program on the offscreen platform, reading the content folders laid beside the test
// programs by the build (or a folder a test makes), recording the end instead of leaving.
class TestProgram {
public:
    explicit TestProgram(const QString& appPath = shippedContent());
    ~TestProgram();

    app::Program& program() { return *m_program; }
    ui::Screen& open(ui::ScreenId id);
    ui::Screen& screen(ui::ScreenId id) { return m_program->screen(id); }
    std::optional<int> exitCode() const { return m_exitCode; }
    // Lets the program's queued work run (such as its check that a screen is still loaded).
    static void settle();

    // The drill's clock and random source, handed to the drill screen when it is created.
    ManualClock* clock = nullptr;
    ScriptedRandom* random = nullptr;
    QList<double> randomValues;

    static QString shippedContent();

private:
    std::unique_ptr<app::Program> m_program;
    std::optional<int> m_exitCode;
};

// A content folder made by a test: texts in Shift-JIS and pictures written on demand.
class ContentFolder {
public:
    ContentFolder();
    QString path() const { return m_dir.path(); }
    // relative: with "\" separators as the program writes it; text: written in code page 932.
    void writeText(const QString& relative, const QString& text);
    void writeBytes(const QString& relative, const QByteArray& bytes);
    // Copies a file of the shipped content.
    void copyShipped(const QString& relative);
    // Copies the whole shipped content but the files named.
    void copyShippedExcept(const QStringList& leftOut);
    void remove(const QString& relative);

private:
    QTemporaryDir m_dir;
};

QByteArray encodeShiftJis(const QString& text);

}  // namespace testsupport
