// A speaker module of another build, as tst_sound sees one: its metadata names another version of
// the interface, though its code would pass for this build's. Only the loader's look at that id
// keeps it out, and any of its code that ran would say so on stderr.
#include "ui/sound/speakerfactory.h"

#include <QtPlugin>

#include <cstdio>

namespace {

struct LoudSpeaker : ui::Speaker {
    void play(const QString& path) override
    {
        std::fprintf(stderr, "ulmaro: foreign speaker played %s\n", qPrintable(path));
    }
    void stop() override {}
};

class ForeignSpeakers : public QObject, public ui::SpeakerFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "invalid.ulmaro.SpeakerFactory/0")
    Q_INTERFACES(ui::SpeakerFactory)

public:
    ForeignSpeakers() { std::fprintf(stderr, "ulmaro: foreign speaker module made\n"); }
    std::unique_ptr<ui::Speaker> makeSpeaker() override { return std::make_unique<LoudSpeaker>(); }
};

}  // namespace

#include "foreignspeakers.moc"
