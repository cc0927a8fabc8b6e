#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace ui {

// Where the media player sends a sound file: the machine's sound output, or a recorder in tests.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts the sound at once and returns at once; a newer sound replaces one still playing.
    virtual void play(const QString& path) = 0;
    // Silences a sound still playing; nothing when none is.
    virtual void stop() {}
};

// Plays nothing: for tools that render or time the screens.
class SilentSink : public SoundSink {
public:
    void play(const QString& /*path*/) override {}
};

using SoundSinkFactory = std::function<std::unique_ptr<SoundSink>()>;

// The machine's sound output.
std::unique_ptr<SoundSink> makeSpeakerSink();

}  // namespace ui
