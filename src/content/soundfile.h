#pragma once

#include <QString>

namespace content {

// What a WAV file holds, as its header tells it.
struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;  // samples a second
    int bitsPerSample = 0;
    qint64 dataBytes = 0;
};

// Reads the header of a WAV file without reading its sound: "RIFF" and "WAVE", a "fmt " chunk of
// plain PCM in a sample size the sound output plays (8, 16 or 32 bits), and a "data" chunk whose
// bytes the file really holds. Anything else raises ContentError with the reason, so that a broken
// sound is never handed to the sound output.
WaveFormat checkSound(const QString& path);

}  // namespace content
