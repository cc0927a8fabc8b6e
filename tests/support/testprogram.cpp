#include "testprogram.h"

#include "content/contentpath.h"
#include "drill/drillscreen.h"

#include <QCoreApplication>

namespace testsupport {

TestProgram::TestProgram(const QString& appPath, ui::SoundSinkFactory sounds)
{
    playedSounds().clear();
    stoppedSounds() = 0;
    content::setAppPath(content::appPathFromFolder(appPath));
    m_program = std::make_unique<app::Program>(
        [this](app::ScreenId id, ui::ScreenHost& host) -> std::unique_ptr<ui::Screen> {
            if (id != app::ScreenId::Drill)
                return app::Program::makeScreen(id, host);
            auto ownedClock = std::make_unique<ManualClock>();
            auto ownedRandom = std::make_unique<ScriptedRandom>();
            clock = ownedClock.get();
            random = ownedRandom.get();
            random->values = randomValues.isEmpty() ? QList<double>{0.01, 0.51, 0.26, 0.76, 0.13, 0.63, 0.38, 0.88,
                                                                    0.05, 0.55, 0.30, 0.80, 0.18, 0.68, 0.43, 0.93}
                                                    : randomValues;
            return std::make_unique<drill::DrillScreen>(host, std::move(ownedClock), std::move(ownedRandom));
        },
        [this](int code) { m_exitCode = code; }, &failureLogReporter(),
        sounds ? std::move(sounds) : ui::SoundSinkFactory(&makeSoundRecorder));
}

TestProgram::~TestProgram()
{
    for (app::ScreenId id : app::kAllScreens)
        if (m_program->isCreated(id))
            m_program->screen(id).unload();
    settle();
}

ui::Screen& TestProgram::open(app::ScreenId id)
{
    m_program->show(id);
    return m_program->screen(id);
}

void TestProgram::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace testsupport
