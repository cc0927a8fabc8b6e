#include "questionbank.h"

#include "fieldfile.h"

#include "content/contenterror.h"
#include "content/contentpath.h"
#include "content/textfile.h"

namespace drill {
namespace {

using content::ContentError;

[[noreturn]] void fail(const QString& path, const QString& detail, int line = 0)
{
    throw ContentError(path, ContentError::Cause::BadFieldFile, detail, line);
}

[[noreturn]] void tooFew(const QString& path, int found)
{
    fail(path,
         QStringLiteral("項目が足りません。%1 個必要ですが、%2 個しかありません。").arg(kQuestionCount).arg(found));
}

void parseQuestions(QuestionBank& bank, const QString& questionsPath, const QByteArray& questions)
{
    FieldReader texts(content::decodeText(questions).text);
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (!texts.readText(bank.text[n]))
            tooFew(questionsPath, n - 1);
        bank.textLine[n] = texts.fieldLine();
        bank.textColumn[n] = texts.fieldColumn();
        // Otherwise the rest of the file would be this one question, and the count would be
        // reported short instead of the quote.
        if (texts.unclosedQuote())
            fail(questionsPath,
                 QStringLiteral("%1 番目の問題の引用符「\"」が閉じていません。問題の終わりにも「\"」を書いてください。")
                     .arg(n),
                 texts.fieldLine());
    }
}

void parseAnswers(QuestionBank& bank, const QString& answersPath, const QByteArray& answers)
{
    FieldReader numbers(content::decodeText(answers).text);
    for (int n = 1; n <= kQuestionCount; ++n) {
        QString field;
        if (!numbers.readNumberText(field))
            tooFew(answersPath, n - 1);
        bank.answerLine[n] = numbers.fieldLine();
        switch (parseInt16(field, bank.answer[n])) {
        case NumberParse::Ok: break;
        case NumberParse::Overflow:
            fail(answersPath,
                 QStringLiteral("%1 番目の項目「%2」が大きすぎます（-32768～32767 の整数にしてください）。")
                     .arg(n)
                     .arg(content::shownText(field)),
                 numbers.fieldLine());
        case NumberParse::NotANumber:
            fail(answersPath,
                 QStringLiteral("%1 番目の項目「%2」が数値ではありません。").arg(n).arg(content::shownText(field)),
                 numbers.fieldLine());
        }
    }
}

}  // namespace

void parseReasons(QuestionBank& bank, const QString& reasonsPath, const QByteArray& reasons)
{
    QStringList lines = content::decodeLines(reasons);
    while (lines.size() > kQuestionCount && lines.last().trimmed().isEmpty())
        lines.removeLast();
    // A line too few or too many puts every later reason beside the wrong question.
    if (lines.size() != kQuestionCount)
        fail(reasonsPath,
             QStringLiteral("%1 行あります。解説は問題と同じ順に 1 問 1 行で、%2 行にしてください"
                            "（解説のない問題は空の行にします）。")
                 .arg(lines.size())
                 .arg(kQuestionCount),
             lines.size() > kQuestionCount ? kQuestionCount + 1 : 0);
    for (int n = 1; n <= kQuestionCount; ++n)
        bank.reason[n] = lines[n - 1].trimmed();
}

QuestionBank parseQuestionBank(const QString& questionsPath, const QByteArray& questions, const QString& answersPath,
                               const QByteArray& answers)
{
    QuestionBank bank;
    parseQuestions(bank, questionsPath, questions);
    parseAnswers(bank, answersPath, answers);
    return bank;
}

QuestionBank readQuestionBank()
{
    // One file after the other, as a short question file is the first fault to report.
    QuestionBank bank;
    const QString questionsPath = content::contentPath(QString::fromUtf8(kQuestionsFile));
    parseQuestions(bank, questionsPath, content::readContentFile(questionsPath));
    const QString answersPath = content::contentPath(QString::fromUtf8(kAnswersFile));
    parseAnswers(bank, answersPath, content::readContentFile(answersPath));
    // The reasons are the teacher's choice: without their file the drill shows none.
    const QString reasonsPath = content::contentPath(QString::fromUtf8(kReasonsFile));
    QByteArray reasons;
    try {
        reasons = content::readContentFile(reasonsPath);
    } catch (const ContentError& error) {
        if (error.cause() != ContentError::Cause::NotFound)
            throw;
        return bank;
    }
    parseReasons(bank, reasonsPath, reasons);
    return bank;
}

QString choiceFile(int questionNumber)
{
    return QStringLiteral("\\説明\\ドリル\\選択肢\\a%1.txt").arg(questionNumber);
}

}  // namespace drill
