#include "soundsink.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

namespace ui {
namespace {

// Plays WAV files through Qt Multimedia. Sound is a nicety: a missing file, a broken one or a
// machine without a sound device stays silent with one line on stderr and never stops the lesson.
class SpeakerSink : public SoundSink {
public:
    void play(const QString& path) override
    {
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "ulmaro: sound not played, file not found: %s\n", qPrintable(path));
            return;
        }
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            std::fprintf(stderr, "ulmaro: sound not played, no sound device: %s\n", qPrintable(path));
            return;
        }
        if (m_effect)
            m_effect->stop();
        m_effect = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = m_effect.get();
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, path] {
            if (effect->status() == QSoundEffect::Error)
                std::fprintf(stderr, "ulmaro: sound not played, cannot decode: %s\n", qPrintable(path));
        });
        effect->setSource(QUrl::fromLocalFile(path));
        effect->play();  // starts as soon as the file is loaded
    }

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace

std::unique_ptr<SoundSink> makeSpeakerSink()
{
    return std::make_unique<SpeakerSink>();
}

}  // namespace ui
