#include "testhost.h"

#include <cstdio>
#include <cstdlib>

namespace testsupport {
namespace {

class RecordingSink : public ui::SoundSink {
public:
    void play(const QString& path) override { playedSounds() << path; }
    void stop() override { ++stoppedSounds(); }
};

FailureLog*& logInPlace()
{
    static FailureLog* log = nullptr;
    return log;
}

class ToTheLog : public content::FailureReporter {
public:
    void report(const content::ContentError& error) override
    {
        if (FailureLog* log = logInPlace()) {
            log->errors << error;
            return;
        }
        std::fprintf(stderr, "content failure with no FailureLog in place: %s\n", qPrintable(error.report()));
        std::abort();
    }
};

}  // namespace

QStringList& playedSounds()
{
    static QStringList sounds;
    return sounds;
}

int& stoppedSounds()
{
    static int count = 0;
    return count;
}

std::unique_ptr<ui::SoundSink> makeSoundRecorder()
{
    return std::make_unique<RecordingSink>();
}

FailureLog::FailureLog()
{
    logInPlace() = this;
}

FailureLog::~FailureLog()
{
    logInPlace() = nullptr;
}

content::FailureReporter& failureLogReporter()
{
    static ToTheLog reporter;
    return reporter;
}

TestHost::TestHost() : m_guard(failureLogReporter()) {}

}  // namespace testsupport
