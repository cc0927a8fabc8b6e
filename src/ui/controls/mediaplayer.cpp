#include "mediaplayer.h"

namespace ui {

MediaPlayer::MediaPlayer(const ControlSpec& row, std::unique_ptr<SoundSink> sink, QWidget* parent)
    : ClickArea(parent), Control(*this, row), m_sink(std::move(sink))
{
    setFocusPolicy(Qt::NoFocus);
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setFileName(const QString& path)
{
    m_fileName = path;
    m_sink->play(path);
}

}  // namespace ui
