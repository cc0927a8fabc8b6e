#pragma once

#include "drillclock.h"
#include "drillrules.h"
#include "questionbank.h"
#include "randomsource.h"

#include "ui/screen/screen.h"

#include <memory>

namespace drill {

struct Mark;

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
    bool answered() const { return m_answered != 0; }

signals:
    void menuRequested();  // the screen has unloaded itself

private:
    void load() override;
    void activate() override;
    void drawQuestionsAside();

    void command1Click(int answer);
    void command2Click();
    void image2Click();
    void timer1Tick();
    void timer2Tick();
    void timer3Tick();

    void resetDrill();
    void pickQuestion();
    void showQuestion();
    void startPenalty();
    void showPass();
    void showMark(const Mark& mark);

    void startWait(const char* timer, qint32& start);
    bool waitOver(const char* timer, qint32 start);
    void showScore();

    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<RandomSource> m_random;
    DrillRules m_rules;
    QuestionBank m_bank;
    qint16 m_questionNo = 0;
    qint16 m_trainHome = 0;
    qint16 m_answered = 0;
    qint32 m_markStart = 0;
    qint32 m_popStart = 0;
    qint32 m_noticeStart = 0;
};

}  // namespace drill
