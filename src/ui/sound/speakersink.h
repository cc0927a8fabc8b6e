#pragma once

#include "ui/sound/speakerfactory.h"

class QSoundEffect;

namespace ui {

// Plays WAV files through Qt Multimedia, in the speaker module. Sound is a nicety: a machine
// without a sound device, or a file the sound output cannot load, stays silent with one line on
// stderr and never stops the lesson. (The program reads each file's header before it comes here.)
class SpeakerSink : public Speaker {
public:
    void play(const QString& path) override;
    void stop() override;

private:
    QSoundEffect* m_current = nullptr;
};

// The sound object of one file, made the first time that file plays and kept, like every other,
// for the program's life: destroying one can wait for ever on Qt's loader thread. Qt Multimedia
// itself starts with the first of them, not with the program.
QSoundEffect& soundEffectFor(const QString& path);
int soundEffectCount();

// Sets, for this program alone and only where the user has set nothing, the sound client
// library's server and cookie, so that connecting to a sound server creates no file: without
// them it makes $XDG_RUNTIME_DIR/pulse when no server runs, and ~/.config/pulse/cookie when one
// does. The same servers are tried as it would try by itself.
void keepSoundClientFromWriting();

}  // namespace ui
