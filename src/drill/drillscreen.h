#pragma once

#include "drillclock.h"
#include "drillrules.h"
#include "questionbank.h"
#include "randomsource.h"

#include "ui/screen/screen.h"

#include <memory>

namespace drill {

struct Mark;

// Where a run of the drill stands. Each state but Asking ignores the answer buttons; the three
// between them wait a second on a timer of their own, then move on.
enum class DrillState {
    Asking,  // a question on show, waiting for an answer
    Marked,  // the mark on show, for the mark wait
    Burst,   // the balloon burst at the fifth miss, for the burst wait
    Notice,  // the notice that the score is halved, for the notice wait
    Passed,  // the medal: the run is over until it is restarted
};

// The quiz: a question drawn at random with its choices, three answer buttons, marking with a
// sound and a picture, the score, the train that runs to the balloon at every fifth miss, and the
// medal at 100 points. The waits are timers of 500 ms that compare the clock's whole seconds.
class DrillScreen : public ui::Screen {
    Q_OBJECT
public:
    explicit DrillScreen(ui::ScreenHost& host, std::unique_ptr<Clock> clock = makeSystemClock(),
                         std::unique_ptr<RandomSource> random = makeSystemRandom());
    ~DrillScreen() override;

    static constexpr int kWaitTickMs = 500;
    static constexpr int kTrainStepTwips = 1005;  // 67 px from one rail mark to the next
    static constexpr qint32 kWaitSeconds = 1;     // a wait ends once more than this has passed

    const DrillRules& rules() const { return m_rules; }
    qint16 questionNumber() const { return m_questionNo; }
    qint16 rightAnswer() const { return m_bank.answer[m_questionNo]; }
    qint16 trainHome() const { return m_trainHome; }
    DrillState state() const { return m_state; }
    bool answered() const { return m_state != DrillState::Asking; }

signals:
    void menuRequested();  // the screen has unloaded itself

private:
    void load() override;
    void activate() override;
    void drawQuestionsAside();

    void answerChosen(int answer);
    void menuPressed();
    void restartPressed();
    void markWaitTicked();
    void burstWaitTicked();
    void noticeWaitTicked();

    void enter(DrillState next);
    void resetDrill();
    // A new question, heard with its choices after `before`.
    void pickQuestion(const QString& before = {});
    void announceQuestion(const QString& before = {});
    void showQuestion();
    void burstBalloon();
    void showPass();
    void showMark(const Mark& mark);
    void showRightAnswer();
    void hideRightAnswer();

    void startWait(std::string_view timer);
    bool waitOver(std::string_view timer);
    void showScore();

    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<RandomSource> m_random;
    DrillRules m_rules;
    QuestionBank m_bank;
    qint16 m_questionNo = 0;
    qint16 m_trainHome = 0;
    DrillState m_state = DrillState::Asking;
    qint32 m_waitStart = 0;  // whole seconds since midnight: no two waits run at once
};

}  // namespace drill
