// The speaker module's entry point, looked up by name when the first sound plays
// (speakerloader.cpp).
#include "ui/sound/speakersink.h"

extern "C" Q_DECL_EXPORT ui::SoundSink* ulmaroMakeSpeakerSink()
{
    return new ui::SpeakerSink;
}
