#include "soundsink.h"

namespace ui {
namespace {

SoundSinkFactory& factory()
{
    static SoundSinkFactory instance = makeSpeakerSink;
    return instance;
}

}  // namespace

void setSoundSinkFactory(SoundSinkFactory newFactory)
{
    factory() = std::move(newFactory);
}

std::unique_ptr<SoundSink> makeSoundSink()
{
    return factory()();
}

}  // namespace ui
