#pragma once

#include "ui/controls/clickarea.h"
#include "ui/controls/control.h"
#include "ui/sound/soundsink.h"

namespace ui {

// The sound control: setting its file name plays that file. It has no look of its own.
class MediaPlayer : public ClickArea, public Control {
    Q_OBJECT
public:
    MediaPlayer(const ControlSpec& row, std::unique_ptr<SoundSink> sink, QWidget* parent);
    ~MediaPlayer() override;

    void setFileName(const QString& path);
    QString fileName() const { return m_fileName; }

private:
    std::unique_ptr<SoundSink> m_sink;
    QString m_fileName;
};

}  // namespace ui
