#include "speakerloader.h"

#include "content/contenterror.h"
#include "content/soundfile.h"

#include <QCoreApplication>
#include <QPluginLoader>

#include <cstdio>
#include <utility>

namespace ui {
namespace {

// The module's speakers, or none with the one line that says why.
std::unique_ptr<Speaker> loadSpeaker(const QString& modulePath)
{
    QPluginLoader module(modulePath);
    // The id is read from the file's metadata, before any of the module's code runs.
    const QString expected = QLatin1String(qobject_interface_iid<SpeakerFactory*>());
    const QString found = module.metaData().value(QLatin1String("IID")).toString();
    if (found == expected) {
        if (auto* factory = qobject_cast<SpeakerFactory*>(module.instance()))
            return factory->makeSpeaker();
    }
    // Qt says why when it refused the file (no metadata) or could not make the module.
    const QString cause = found.isEmpty() || found == expected
        ? module.errorString()
        : QStringLiteral("別の版のモジュールです（%1、この版は %2）").arg(found, expected);
    std::fprintf(stderr, "ulmaro: 音の出力を読み込めないため、音は鳴りません: %s: %s\n", qPrintable(modulePath),
                 qPrintable(cause));
    return nullptr;
}

class CheckedSpeakerSink : public SoundSink {
public:
    explicit CheckedSpeakerSink(QString modulePath) : m_modulePath(std::move(modulePath)) {}
    explicit CheckedSpeakerSink(std::unique_ptr<Speaker> speaker) : m_speaker(std::move(speaker)) {}

    void play(const QString& path) override
    {
        if (!m_modulePath.isEmpty())  // tried once, on the first play
            m_speaker = loadSpeaker(std::exchange(m_modulePath, QString()));
        if (!m_speaker)
            return;
        // The sound last set is the one that plays: a broken one silences the one before.
        m_speaker->stop();
        try {
            content::checkSound(path);
        } catch (const content::ContentError& error) {
            std::fprintf(stderr, "ulmaro: 音を鳴らしません: %s: %s\n", qPrintable(path), qPrintable(error.causeText()));
            return;
        }
        m_speaker->play(path);
    }

    void stop() override
    {
        // Never loads the speakers: with none loaded, nothing is playing.
        if (m_speaker)
            m_speaker->stop();
    }

private:
    QString m_modulePath;  // until the first play
    std::unique_ptr<Speaker> m_speaker;
};

}  // namespace

std::unique_ptr<SoundSink> makeSpeakerSinkFrom(const QString& modulePath)
{
    return std::make_unique<CheckedSpeakerSink>(modulePath);
}

std::unique_ptr<SoundSink> makeCheckedSpeakerSink(std::unique_ptr<Speaker> speaker)
{
    return std::make_unique<CheckedSpeakerSink>(std::move(speaker));
}

std::unique_ptr<SoundSink> makeSpeakerSink()
{
    return makeSpeakerSinkFrom(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                               + QLatin1String(kSpeakerModule));
}

}  // namespace ui
