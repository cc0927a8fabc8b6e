#include "mediaplayer.h"

namespace ui {

MediaPlayer::MediaPlayer(const ControlSpec& row, QWidget* parent)
    : ClickArea(parent), Control(*this, row), m_sink(makeSoundSink())
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
