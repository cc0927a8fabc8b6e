#pragma once

#include "ui/sound/soundsink.h"

namespace ui {

// The file, beside the executable, that holds the speakers and everything they need from Qt
// Multimedia and the sound server's client. It is loaded when the first sound plays, so a learner
// who never opens the drill never waits for it at start.
inline constexpr char kSpeakerModule[] = "ulmaro-speaker.so";

// Speakers loaded from modulePath on the first play. When that file cannot be loaded, one line on
// stderr says why and every sound stays silent; the lesson goes on.
std::unique_ptr<SoundSink> makeSpeakerSinkFrom(const QString& modulePath);

}  // namespace ui
