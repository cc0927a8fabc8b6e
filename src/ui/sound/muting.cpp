#include "muting.h"

namespace ui {
namespace {

class MutableSink : public QObject, public SoundSink {
public:
    MutableSink(std::unique_ptr<SoundSink> output, const Muting& muting) : m_output(std::move(output)), m_muting(muting)
    {
        connect(&muting, &Muting::changed, this, [this](bool muted) {
            if (muted)
                m_output->stop();
        });
    }

    void play(const QString& path) override
    {
        if (!m_muting.isMuted())
            m_output->play(path);
    }
    void stop() override { m_output->stop(); }

private:
    std::unique_ptr<SoundSink> m_output;
    const Muting& m_muting;
};

}  // namespace

void Muting::setMuted(bool muted)
{
    if (muted == m_muted)
        return;
    m_muted = muted;
    emit changed(muted);
}

std::unique_ptr<SoundSink> makeMutableSink(std::unique_ptr<SoundSink> output, const Muting& muting)
{
    return std::make_unique<MutableSink>(std::move(output), muting);
}

}  // namespace ui
