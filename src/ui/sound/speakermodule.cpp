// The speaker module's root object, made by the program's loader (speakerloader.cpp) when the
// first sound plays.
#include "ui/sound/speakersink.h"

#include <QObject>
#include <QtPlugin>

namespace ui {
namespace {

class SpeakerModule : public QObject, public SpeakerFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ULMARO_SPEAKER_FACTORY_IID)
    Q_INTERFACES(ui::SpeakerFactory)

public:
    std::unique_ptr<Speaker> makeSpeaker() override { return std::make_unique<SpeakerSink>(); }
};

}  // namespace
}  // namespace ui

#include "speakermodule.moc"
