#pragma once

#include "contentfolder.h"

#include "content/contenterror.h"
#include "content/failurereport.h"
#include "ui/pictures/picture.h"
#include "ui/screen/pace.h"
#include "ui/screen/screenhost.h"
#include "ui/screen/windowsizer.h"
#include "ui/sound/muting.h"

#include <QList>
#include <QStringList>

namespace testsupport {

// Sounds the media players were asked to play, in order, instead of playing them, and how many
// times one was silenced.
QStringList& playedSounds();
int& stoppedSounds();
std::unique_ptr<ui::SoundSink> makeSoundRecorder();

// Content failures caught around event dispatch, while the log exists, instead of a message box
// and an exit. A failure with no log in place stops the test program.
struct FailureLog {
    QList<content::ContentError> errors;
    FailureLog();
    ~FailureLog();
    FailureLog(const FailureLog&) = delete;
    FailureLog& operator=(const FailureLog&) = delete;
};

// Hands each failure to the FailureLog in place.
content::FailureReporter& failureLogReporter();

// The program around screens tested on their own: handlers guarded, failures to the log, sounds
// to the recorder; it counts unloads.
class TestHost : public ui::ScreenHost {
public:
    TestHost();

    void screenUnloaded() override { ++unloads; }
    content::EventGuard& guard() override { return m_guard; }
    ui::PictureStore& pictures() override { return m_pictures; }
    std::unique_ptr<ui::SoundSink> makeSoundSink() override { return makeSoundRecorder(); }
    ui::ViewSettings& viewSettings() override { return m_view; }
    ui::Pace& pace() override { return m_pace; }
    ui::Muting& muting() override { return m_muting; }

    int unloads = 0;

private:
    content::EventGuard m_guard;
    ui::PictureStore m_pictures;
    ui::ViewSettings m_view;
    ui::Pace m_pace;
    ui::Muting m_muting;
};

}  // namespace testsupport
