#pragma once

#include "ui/sound/soundsink.h"

#include <QObject>

#include <memory>

namespace ui {

// Whether the program's sounds are silenced, for every screen, for the run only.
class Muting : public QObject {
    Q_OBJECT
public:
    bool isMuted() const { return m_muted; }
    void setMuted(bool muted);

signals:
    void changed(bool muted);

private:
    bool m_muted = false;
};

// A sound output that passes nothing on while `muting` says so, and silences a sound still
// playing when muting begins. Muted, the output behind it is never asked to play, so the speakers
// are never loaded for it.
std::unique_ptr<SoundSink> makeMutableSink(std::unique_ptr<SoundSink> output, const Muting& muting);

}  // namespace ui
