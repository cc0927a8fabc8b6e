#pragma once

#include "ui/sound/soundsink.h"
#include "ui/sound/speakerfactory.h"

namespace ui {

// The file, beside the executable, that holds the speakers and everything they need from Qt
// Multimedia and the sound server's client. It is loaded when the first sound plays, so a learner
// who never opens the drill never waits for it at start.
inline constexpr char kSpeakerModule[] = "ulmaro-speaker.so";

// Speakers loaded from modulePath on the first play. When that file cannot be loaded, or is a
// module of another build, one line on stderr says which file and why, and every sound stays
// silent; the lesson goes on. The module is never unloaded: its sound objects live as long as
// the program.
std::unique_ptr<SoundSink> makeSpeakerSinkFrom(const QString& modulePath);

// The program's side of the speakers around one already made: each file's header is read every
// time its name is set, and a broken one is skipped with one line on stderr.
std::unique_ptr<SoundSink> makeCheckedSpeakerSink(std::unique_ptr<Speaker> speaker);

}  // namespace ui
