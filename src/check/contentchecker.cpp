#include "contentchecker.h"

#include "app/program.h"
#include "content/contenterror.h"
#include "content/picturefile.h"
#include "content/soundfile.h"
#include "content/textfile.h"
#include "drill/questionbank.h"
#include "ui/screen/controls.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>

#include <stdexcept>

namespace check {
namespace {

using app::ScreenId;
using content::ContentError;

// Which list shows which text; mustFit: the list is read without scrolling.
struct ListedText {
    const char* path;
    ScreenId screen;
    const char* list;
    bool mustFit;
};

constexpr ListedText kTexts[] = {
    {"説明/ボルタ/負極.txt", ScreenId::Volta, "List1", true},
    {"説明/ボルタ/正極.txt", ScreenId::Volta, "List1", true},
    {"説明/ダニエル/負極.txt", ScreenId::Daniell, "List1", true},
    {"説明/ダニエル/正極.txt", ScreenId::Daniell, "List1", true},
    {"説明/ダニエル/素焼き板.txt", ScreenId::Daniell, "List1", true},
    {"説明/マンガン/負極.txt", ScreenId::Manganese, "List1", true},
    {"説明/マンガン/正極.txt", ScreenId::Manganese, "List1", true},
    {"説明/鉛蓄電池/負極.txt", ScreenId::Lead, "List1", true},
    {"説明/鉛蓄電池/正極.txt", ScreenId::Lead, "List1", true},
    {"説明/鉛蓄電池/充電負極.txt", ScreenId::Lead, "List1", true},
    {"説明/鉛蓄電池/充電正極.txt", ScreenId::Lead, "List1", true},
    {"説明/原理/p1.txt", ScreenId::Principle, "List1", false},
    {"説明/原理/p2.txt", ScreenId::Principle, "List2", false},
    {"説明/原理/p3.txt", ScreenId::Principle, "List3", false},
    {"説明/原理/p4.txt", ScreenId::Principle, "List4", false},
};

// Numbered pictures: prefix + 1 … count + ".gif", each laid out at the size of the control.
struct PictureSeries {
    const char* prefix;
    int count;  // 0: the prefix is the whole name
    ScreenId screen;
    const char* control;
};

constexpr PictureSeries kPictures[] = {
    {"画像/アニメ/zn_", 3, ScreenId::Volta, "Image3"},
    {"画像/アニメ/h_", 3, ScreenId::Volta, "Image4"},
    {"画像/アニメ/cu_", 3, ScreenId::Daniell, "Image4"},
    {"画像/アニメ/so4_x", 3, ScreenId::Lead, "Image3"},
    {"画像/アニメ/so4_", 3, ScreenId::Lead, "Image4"},
    {"画像/アニメ/awa", 2, ScreenId::Volta, "Image8"},
    {"画像/アニメ/g", 9, ScreenId::Principle, "Picture7"},
    {"画像/アニメ/e", 9, ScreenId::Principle, "Picture8"},
    {"画像/アニメ/awa3", 0, ScreenId::Volta, "Image11"},
    {"画像/アニメ/awa4", 0, ScreenId::Volta, "Image11"},
    {"画像/アニメ/znso4_", 3, ScreenId::Daniell, "Image3"},
    {"画像/アニメ/so4_cx", 3, ScreenId::Lead, "Image3"},
    {"画像/アニメ/so4_c", 3, ScreenId::Lead, "Image4"},
    {"画像/充電/dengen", 0, ScreenId::Lead, "Image12"},
    {"画像/充電/fukyoku", 0, ScreenId::Lead, "Image15"},
    {"画像/充電/seikyoku", 0, ScreenId::Lead, "Image16"},
    {"画像/充電/fukyoku_kakudai", 0, ScreenId::Lead, "Image17"},
    {"画像/充電/seikyoku_kakudai", 0, ScreenId::Lead, "Image18"},
    {"画像/maru", 0, ScreenId::Drill, "Image5"},
    {"画像/batu", 0, ScreenId::Drill, "Image5"},
    {"画像/gmedal", 0, ScreenId::Drill, "Image5"},
};

constexpr const char* kSounds[] = {"音/o.wav", "音/x.wav", "音/pan.wav", "音/dame.wav", "音/gokaku.wav"};

const char* const kContentFolders[] = {"説明", "画像", "音"};

QString encodingName(content::TextEncoding encoding)
{
    switch (encoding) {
    case content::TextEncoding::ShiftJis: return QStringLiteral("Shift-JIS");
    case content::TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case content::TextEncoding::Utf16: return QStringLiteral("UTF-16");
    }
    return {};
}

QString flawText(content::TextFlaw flaw, content::TextEncoding encoding)
{
    switch (flaw) {
    case content::TextFlaw::Undecodable:
        return QStringLiteral("読めない文字があります（%1）。Shift-JIS か UTF-8 で保存し直してください。")
            .arg(encoding == content::TextEncoding::ShiftJis
                     ? QStringLiteral("Shift-JIS でも UTF-8 でもない書き方です")
                     : QStringLiteral("%1 として正しくない書き方です").arg(encodingName(encoding)));
    case content::TextFlaw::Nul:
        return QStringLiteral(
            "NUL 文字（値が 0 の見えない文字）があります。画面では「\uFFFD」になるので、消してください。");
    case content::TextFlaw::Cut:
        return QStringLiteral("文字の途中でファイルが終わっています（ファイルが途中で切れています）。"
                              "最後の文字が「\uFFFD」になるので、書き直してください。");
    }
    return {};
}

// "\説明\ドリル\問題.txt" as the screens write it, to "説明/ドリル/問題.txt".
QString relativeOf(const QString& screenPath)
{
    return QString(screenPath).replace(QLatin1Char('\\'), QLatin1Char('/')).mid(1);
}

}  // namespace

QString Finding::toLine() const
{
    QString where = path;
    if (line > 0)
        where += QStringLiteral(" %1 行目").arg(line);
    if (column > 0)
        where += QStringLiteral(" %1 文字目").arg(column);
    return (note ? QStringLiteral("注意: ") : QString()) + where + QStringLiteral(": ") + text;
}

ContentChecker::ContentChecker(QString folder) : m_folder(std::move(folder)) {}

ContentChecker::~ContentChecker() = default;

bool ContentChecker::isApplicationFolder() const
{
    for (const char* name : kContentFolders)
        if (QFileInfo(absolute(QString::fromUtf8(name))).isDir())
            return true;
    return false;
}

QString ContentChecker::absolute(const QString& relative) const
{
    return m_folder + QLatin1Char('/') + relative;
}

const ui::ControlSpec& ContentChecker::row(ScreenId screen, std::string_view control)
{
    auto& made = m_screens[screen];
    if (!made)
        made = app::Program::makeScreen(screen, m_host);  // builds no window until shown
    for (const ui::ControlSpec& layoutRow : made->layout())
        if (layoutRow.name == control)
            return layoutRow;
    throw std::logic_error("no control " + std::string(control) + " in a screen's layout");
}

void ContentChecker::problem(const QString& path, int line, const QString& text, int column)
{
    m_findings << Finding{path, line, column, text, false};
}

void ContentChecker::note(const QString& path, const QString& text)
{
    m_findings << Finding{path, 0, 0, text, true};
}

std::optional<QByteArray> ContentChecker::readBytes(const QString& relative)
{
    ++m_files;
    try {
        return content::readContentFile(absolute(relative));
    } catch (const ContentError& error) {
        problem(relative, error.line(), error.causeText());
        return std::nullopt;
    }
}

QStringList ContentChecker::decodeChecked(const QString& relative, const QByteArray& bytes)
{
    const content::DecodedText decoded = content::decodeText(bytes);
    if (decoded.encoding != content::TextEncoding::ShiftJis)
        note(relative, QStringLiteral("%1 で保存されています。このまま読めます。").arg(encodingName(decoded.encoding)));
    if (decoded.text.isEmpty())
        problem(
            relative, 0,
            QStringLiteral("何も書かれていません（空の文章です）。画面に何も出ないので、文章を書き入れてください。"));
    for (const content::TextFlawPlace& place : decoded.flaws)
        problem(relative, place.line, flawText(place.flaw, decoded.encoding), place.column);
    return content::splitLines(decoded.text);
}

void ContentChecker::checkListedText(const QString& relative, ScreenId screen, std::string_view listName, bool mustFit)
{
    const auto bytes = readBytes(relative);
    if (!bytes)
        return;
    const QStringList lines = decodeChecked(relative, *bytes);
    const ui::ListBox list(row(screen, listName), nullptr);
    const int room = list.textRoom();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int width = list.textWidth(lines[i]);
        if (width > room)
            problem(relative, int(i + 1),
                    QStringLiteral("一覧の幅 %1 px に対して %2 px あります。短くしてください。").arg(room).arg(width));
    }
    const int rows = list.visibleRows();
    if (mustFit && lines.size() > rows)
        problem(relative, 0,
                QStringLiteral("%1 行あります。一覧に見えるのは %2 行までで、残りはスクロールしないと見えません。"
                               "%2 行以内にしてください。")
                    .arg(lines.size())
                    .arg(rows));
}

void ContentChecker::checkDrillBank()
{
    const QString questions = relativeOf(QString::fromUtf8(drill::kQuestionsFile));
    const QString answers = relativeOf(QString::fromUtf8(drill::kAnswersFile));
    const auto questionBytes = readBytes(questions);
    const auto answerBytes = readBytes(answers);
    if (questionBytes)
        decodeChecked(questions, *questionBytes);
    if (answerBytes)
        decodeChecked(answers, *answerBytes);
    if (questionBytes && answerBytes) {
        try {
            const drill::QuestionBank bank = drill::parseQuestionBank(questions, *questionBytes, answers, *answerBytes);
            const ui::Label label(row(ScreenId::Drill, "Label1"), nullptr);
            const QFontMetrics metrics(label.font());
            const int room = label.geometry().width();
            QHash<QString, int> firstAsked;  // question text to its number
            for (int n = 1; n <= drill::kQuestionCount; ++n) {
                // An empty question is a blank line, not a question asked twice.
                const int first = firstAsked.value(bank.text[n], n);
                if (first == n && !bank.text[n].isEmpty())
                    firstAsked.insert(bank.text[n], n);
                else if (first != n)
                    problem(questions, bank.textLine[n],
                            QStringLiteral("%1 番目の問題が、%2 番目の問題（%3 行目）と同じです。"
                                           "同じ問題が二度出るので、どちらかを別の問題にしてください。")
                                .arg(n)
                                .arg(first)
                                .arg(bank.textLine[first]),
                            bank.textColumn[n]);
                const int width = metrics.horizontalAdvance(bank.text[n]);
                if (width > room)
                    problem(questions, bank.textLine[n],
                            QStringLiteral(
                                "%1 番目の問題が、問題の欄の幅 %2 px に対して %3 px あります。短くしてください。")
                                .arg(n)
                                .arg(room)
                                .arg(width));
                if (bank.answer[n] < 1 || bank.answer[n] > 3)
                    problem(
                        answers, bank.answerLine[n],
                        QStringLiteral("%1 番目の正解「%2」が 1・2・3 のどれでもないため、どの答えも不正解になります。"
                                       "1・2・3 のどれかにしてください。")
                            .arg(n)
                            .arg(bank.answer[n]));
            }
        } catch (const ContentError& error) {
            problem(error.path(), error.line(), error.causeText());
        }
    }
    for (int n = 1; n <= drill::kQuestionCount; ++n)
        checkListedText(relativeOf(drill::choiceFile(n)), ScreenId::Drill, "List1", true);
    checkDrillReasons();
}

void ContentChecker::checkDrillReasons()
{
    const QString reasons = relativeOf(QString::fromUtf8(drill::kReasonsFile));
    // Without the file the drill shows no reasons, which is no fault.
    if (!QFileInfo::exists(absolute(reasons)))
        return;
    const auto bytes = readBytes(reasons);
    if (!bytes)
        return;
    decodeChecked(reasons, *bytes);
    drill::QuestionBank bank;
    try {
        drill::parseReasons(bank, reasons, *bytes);
    } catch (const ContentError& error) {
        problem(error.path(), error.line(), error.causeText());
        return;
    }
    const ui::Label line(row(ScreenId::Drill, "Label4"), nullptr);
    const QFontMetrics metrics(line.font());
    const int room = line.geometry().width();
    for (int n = 1; n <= drill::kQuestionCount; ++n) {
        const int width = metrics.horizontalAdvance(bank.reason[n]);
        if (width > room)
            problem(
                reasons, n,
                QStringLiteral("%1 番目の問題の解説が、解説の欄の幅 %2 px に対して %3 px あります。短くしてください。")
                    .arg(n)
                    .arg(room)
                    .arg(width));
    }
}

void ContentChecker::checkPicture(const QString& relative, ScreenId screen, std::string_view control)
{
    ++m_files;
    QImage image;
    try {
        image = content::readPicture(absolute(relative));
    } catch (const ContentError& error) {
        problem(relative, 0, error.causeText());
        return;
    }
    const ui::Image placed(row(screen, control), ui::Picture(), nullptr);
    const QSize expected = placed.geometry().size();
    if (image.size() != expected) {
        problem(relative, 0,
                QStringLiteral("大きさが %1 × %2 ピクセルです。画面では %3 × %4 ピクセルの絵として並べてあるので、"
                               "その大きさにしてください。")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(expected.width())
                    .arg(expected.height()));
        // Its copies are measured against the screen, not against a picture already reported.
        image = QImage();
    }
    checkLargerCopies(relative, expected, image);
}

void ContentChecker::checkLargerCopies(const QString& relative, const QSize& size, const QImage& base)
{
    for (int factor : content::kLargerCopyFactors) {
        const QString copyRelative = content::largerCopyPath(relative, factor);
        if (!QFileInfo(absolute(copyRelative)).exists())
            continue;  // a picture needs no larger copy
        ++m_files;
        QImage copy;
        try {
            copy = content::readPicture(absolute(copyRelative), content::kPictureSideLimit * factor);
        } catch (const ContentError& error) {
            problem(copyRelative, 0, error.causeText());
            continue;
        }
        const QSize expected = size * factor;
        if (copy.size() != expected) {
            problem(copyRelative, 0,
                    QStringLiteral("大きさが %1 × %2 ピクセルです。%3 の %4 倍の写しなので、ちょうど %5 × %6 ピクセルにしてください。")
                        .arg(copy.width())
                        .arg(copy.height())
                        .arg(QFileInfo(relative).fileName())
                        .arg(factor)
                        .arg(expected.width())
                        .arg(expected.height()));
            continue;
        }
        if (base.isNull())
            continue;
        const double kept = content::transparencyKept(base, copy);
        if (kept < content::kTransparencyKeptEnough)
            problem(copyRelative, 0,
                    QStringLiteral("透明な所が %1 と合っていません（同じなのは %2 % だけです）。"
                                   "%1 で透明な所を透明に、塗られた所を塗って描き直してください（この写しは使われません）。")
                        .arg(QFileInfo(relative).fileName())
                        .arg(int(kept * 100)));
    }
}

void ContentChecker::checkSound(const QString& relative)
{
    ++m_files;
    try {
        content::checkSound(absolute(relative));
    } catch (const ContentError& error) {
        problem(relative, 0, error.causeText() + QStringLiteral("（この音は鳴らずに飛ばされます）"));
    }
}

QList<Finding> ContentChecker::run()
{
    m_findings.clear();
    m_files = 0;
    for (const ListedText& text : kTexts)
        checkListedText(QString::fromUtf8(text.path), text.screen, text.list, text.mustFit);
    checkListedText(relativeOf(QString::fromUtf8(drill::kIntroductionFile)), ScreenId::DrillStart, "List1", true);
    checkDrillBank();
    for (const PictureSeries& series : kPictures) {
        const QString prefix = QString::fromUtf8(series.prefix);
        if (series.count == 0)
            checkPicture(prefix + QStringLiteral(".gif"), series.screen, series.control);
        for (int n = 1; n <= series.count; ++n)
            checkPicture(prefix + QString::number(n) + QStringLiteral(".gif"), series.screen, series.control);
    }
    for (const char* sound : kSounds)
        checkSound(QString::fromUtf8(sound));
    return m_findings;
}

int ContentChecker::problemCount(const QList<Finding>& findings)
{
    return int(std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return !f.note; }));
}

QString ContentChecker::summary(const QList<Finding>& findings) const
{
    const int problems = problemCount(findings);
    const int notes = int(findings.size()) - problems;
    const QString checked = QStringLiteral("%1 個のファイルを調べました").arg(m_files);
    if (problems == 0 && notes == 0)
        return QStringLiteral("問題はありません（%1）。").arg(checked);
    return QStringLiteral("問題 %1 件、注意 %2 件（%3）。").arg(problems).arg(notes).arg(checked);
}

}  // namespace check
