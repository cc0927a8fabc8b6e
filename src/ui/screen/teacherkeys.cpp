#include "teacherkeys.h"

#include "ui/accessibility/announcechange.h"
#include "ui/controls/cornermarks.h"
#include "ui/controls/form.h"
#include "ui/screen/pace.h"
#include "ui/screen/screen.h"
#include "ui/sound/muting.h"

#include <QShortcut>
#include <QStringList>

#include <functional>

namespace ui {
namespace {

constexpr KeyLine kKeyLines[] = {
    {"P", "動きを止める／また動かす"},
    {".（ピリオド）", "止めている間、動きを 1 コマ進める"},
    {"[", "動きをゆっくりにする（速さ 0.5 倍まで）"},
    {"]", "動きを速くする（速さ 2 倍まで）"},
    {"M", "音を消す／また鳴らす"},
    {"F11", "全画面表示にする／元に戻す"},
    {"Ctrl + ＋", "画面を大きくする"},
    {"Ctrl + －", "画面を小さくする"},
    {"Ctrl + 0", "元の大きさ（100 %）に戻す"},
    {"Tab", "次のボタンへ（Shift + Tab で前へ）"},
    {"Space・Enter", "選んでいるボタンを押す"},
    {"F1", "このキーの一覧を開く／閉じる"},
    {"Esc", "この一覧を閉じる"},
};
const char* const kPaceNote = "P . [ ] は、動きのある画面（電池の原理と四つの電池）で使えます。";

CornerMarks::Speed markOf(Pace::Speed speed)
{
    switch (speed) {
    case Pace::Speed::Half: return CornerMarks::Speed::Half;
    case Pace::Speed::Normal: return CornerMarks::Speed::Normal;
    case Pace::Speed::Double: return CornerMarks::Speed::Double;
    }
    return CornerMarks::Speed::Normal;
}

QString speedWords(Pace::Speed speed)
{
    switch (speed) {
    case Pace::Speed::Half: return QStringLiteral("速さ 0.5 倍");
    case Pace::Speed::Normal: return QStringLiteral("速さ 1 倍");
    case Pace::Speed::Double: return QStringLiteral("速さ 2 倍");
    }
    return {};
}

}  // namespace

TeacherKeys::TeacherKeys(Screen& screen, ScreenHost& host)
    : QObject(screen.window()),
      m_screen(screen),
      m_host(host),
      m_marks(new CornerMarks(host.pictures(), screen.window())),
      m_panel(new KeysPanel(kKeyLines, QString::fromUtf8(kPaceNote), screen.window()))
{
    Form* form = screen.window();
    // Window shortcuts: they reach the window whatever control has the focus, a list included.
    const auto bind = [this, form](Qt::Key key, std::function<void()> pressed) {
        auto* shortcut = new QShortcut(QKeySequence(key), form);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, std::move(pressed));
    };
    bind(Qt::Key_P, [this] { pausePressed(); });
    bind(Qt::Key_Period, [this] { stepPressed(); });
    bind(Qt::Key_BracketLeft, [this] { speedPressed(false); });
    bind(Qt::Key_BracketRight, [this] { speedPressed(true); });
    bind(Qt::Key_M, [this] { mutePressed(); });
    bind(Qt::Key_F1, [this] { helpPressed(); });
    connect(&host.pace(), &Pace::changed, this, &TeacherKeys::showMarks);
    connect(&host.muting(), &Muting::changed, this, &TeacherKeys::showMarks);
    showMarks();
}

std::span<const KeyLine> TeacherKeys::keyLines()
{
    return kKeyLines;
}

void TeacherKeys::pausePressed()
{
    if (!m_screen.animates())
        return;
    Pace& pace = m_host.pace();
    pace.setPaused(!pace.isPaused());
    say(pace.isPaused() ? QStringLiteral("一時停止") : QStringLiteral("再開"));
}

void TeacherKeys::stepPressed()
{
    if (m_screen.animates() && m_host.pace().isPaused())
        m_screen.stepAnimations();
}

void TeacherKeys::speedPressed(bool faster)
{
    if (!m_screen.animates())
        return;
    Pace& pace = m_host.pace();
    if (faster)
        pace.faster();
    else
        pace.slower();
    // Said at the end of the range too, so the teacher hears where it stopped.
    say(speedWords(pace.speed()));
}

void TeacherKeys::mutePressed()
{
    Muting& muting = m_host.muting();
    muting.setMuted(!muting.isMuted());
    say(muting.isMuted() ? QStringLiteral("消音") : QStringLiteral("消音を解除"));
}

void TeacherKeys::helpPressed()
{
    if (m_panel->isOpen())
        m_panel->closePanel();
    else
        m_panel->openPanel();
}

void TeacherKeys::showMarks()
{
    const Pace& pace = m_host.pace();
    // The pace is marked only where it rules something.
    const bool animates = m_screen.animates();
    const bool paused = animates && pace.isPaused();
    const Pace::Speed speed = animates ? pace.speed() : Pace::Speed::Normal;
    const bool muted = m_host.muting().isMuted();
    QStringList words;
    if (speed != Pace::Speed::Normal)
        words << speedWords(speed);
    if (paused)
        words << QStringLiteral("一時停止中");
    if (muted)
        words << QStringLiteral("消音中");
    m_marks->showState(paused, markOf(speed), muted, words.join(QStringLiteral("、")));
}

void TeacherKeys::say(const QString& words)
{
    announceChange(m_screen.window(), words);
}

}  // namespace ui
