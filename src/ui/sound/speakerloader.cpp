#include "speakerloader.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace ui {
namespace {

// The one entry point of the speaker module.
using MakeSpeakers = SoundSink* (*)();
constexpr char kEntryPoint[] = "ulmaroMakeSpeakerSink";

class DeferredSpeakerSink : public SoundSink {
public:
    explicit DeferredSpeakerSink(QString modulePath) : m_modulePath(std::move(modulePath)) {}

    void play(const QString& path) override
    {
        if (!m_speakers && !m_failed)
            load();
        if (m_speakers)
            m_speakers->play(path);
    }

private:
    void load()
    {
        // Never unloaded: the sound objects it makes live as long as the program.
        QLibrary module(m_modulePath);
        auto make = reinterpret_cast<MakeSpeakers>(module.resolve(kEntryPoint));
        if (make)
            m_speakers.reset(make());
        if (!m_speakers) {
            m_failed = true;
            std::fprintf(stderr, "ulmaro: 音の出力を読み込めないため、音は鳴りません: %s\n",
                         qPrintable(module.errorString()));
        }
    }

    QString m_modulePath;
    std::unique_ptr<SoundSink> m_speakers;
    bool m_failed = false;
};

}  // namespace

std::unique_ptr<SoundSink> makeSpeakerSinkFrom(const QString& modulePath)
{
    return std::make_unique<DeferredSpeakerSink>(modulePath);
}

std::unique_ptr<SoundSink> makeSpeakerSink()
{
    return makeSpeakerSinkFrom(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                               + QLatin1String(kSpeakerModule));
}

}  // namespace ui
