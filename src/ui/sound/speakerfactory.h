#pragma once

// What the program and the speaker module (ulmaro-speaker.so) share: the module's root object is
// a SpeakerFactory. Both sides are built from this header; the loader takes a module only when
// the interface id in its metadata is the one below, so a module of another build is refused
// before any of its code runs. Change the number after the slash whenever these classes change.
#include <QObject>
#include <QString>

#include <memory>

#define ULMARO_SPEAKER_FACTORY_IID "invalid.ulmaro.SpeakerFactory/1"

namespace ui {

// One media player's way to the sound output. The program has read the file's header before it
// hands the file here.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts the sound as soon as it is loaded and returns at once, silencing the one before.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

class SpeakerFactory {
public:
    virtual ~SpeakerFactory() = default;
    virtual std::unique_ptr<Speaker> makeSpeaker() = 0;
};

}  // namespace ui

Q_DECLARE_INTERFACE(ui::SpeakerFactory, ULMARO_SPEAKER_FACTORY_IID)
