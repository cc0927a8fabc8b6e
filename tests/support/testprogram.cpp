#include "testprogram.h"

#include "content/contentpath.h"
#include "content/failurereport.h"
#include "drill/drillscreen.h"
#include "ui/soundsink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace testsupport {

QStringList& playedSounds()
{
    static QStringList sounds;
    return sounds;
}

namespace {
class RecordingSink : public ui::SoundSink {
public:
    void play(const QString& path) override { playedSounds() << path; }
};

QString nativePath(const QString& root, const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root + (tail.startsWith(QLatin1Char('/')) ? tail : QLatin1Char('/') + tail);
}
}  // namespace

void installSoundRecorder()
{
    ui::setSoundSinkFactory([] { return std::make_unique<RecordingSink>(); });
}

FailureLog::FailureLog()
{
    content::setFailureReporter([this](const content::ContentError& error) { errors << error; });
}

FailureLog::~FailureLog()
{
    content::setFailureReporter({});
}

QString TestProgram::shippedContent()
{
    const QByteArray fromEnv = qgetenv("ULMARO_CONTENT");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(fromEnv);
}

TestProgram::TestProgram(const QString& appPath)
{
    installSoundRecorder();
    playedSounds().clear();
    content::setAppPath(content::appPathFromFolder(appPath));
    m_program = std::make_unique<app::Program>(
        [this](ui::ScreenId id, ui::ScreenHost& host) -> std::unique_ptr<ui::Screen> {
            if (id != ui::ScreenId::Drill)
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
        [this](int code) { m_exitCode = code; });
}

TestProgram::~TestProgram()
{
    for (ui::ScreenId id : ui::kAllScreens)
        if (m_program->isCreated(id))
            m_program->screen(id).unload();
    settle();
}

ui::Screen& TestProgram::open(ui::ScreenId id)
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

QByteArray encodeShiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

ContentFolder::ContentFolder() = default;

void ContentFolder::writeBytes(const QString& relative, const QByteArray& bytes)
{
    const QString file = nativePath(m_dir.path(), relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

void ContentFolder::writeText(const QString& relative, const QString& text)
{
    writeBytes(relative, encodeShiftJis(text));
}

void ContentFolder::copyShipped(const QString& relative)
{
    QFile in(nativePath(TestProgram::shippedContent(), relative));
    if (in.open(QIODevice::ReadOnly))
        writeBytes(relative, in.readAll());
}

}  // namespace testsupport
