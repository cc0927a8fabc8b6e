#pragma once

#include <QString>

#include <array>

namespace drill {

inline constexpr int kQuestionCount = 30;

// The drill's questions, the numbers of their right answer buttons and the one-line reasons shown
// after a miss (empty where the bank has none), indexed 1 to 30.
struct QuestionBank {
    std::array<QString, kQuestionCount + 1> text;
    std::array<qint16, kQuestionCount + 1> answer{};
    std::array<QString, kQuestionCount + 1> reason;
    // Where in its file each field begins, for reports: the line, and for a question its column.
    std::array<int, kQuestionCount + 1> textLine{};
    std::array<int, kQuestionCount + 1> textColumn{};
    std::array<int, kQuestionCount + 1> answerLine{};
};

// Reads "問題.txt" (30 text fields), then "正解.txt" (30 number fields), then "解説.txt" if there is
// one. A missing question or answer file, fewer than 30 fields, a number beyond 16 bits, a field
// that is not a number or a reasons file of another length than 30 lines raises ContentError.
QuestionBank readQuestionBank();

// The same from two files' contents, for a path named in reports.
QuestionBank parseQuestionBank(const QString& questionsPath, const QByteArray& questions, const QString& answersPath,
                               const QByteArray& answers);

// The reasons file's contents into bank.reason: a line a question, in the bank's order, blank
// where a question has none; blank lines after the thirtieth are not counted.
void parseReasons(QuestionBank& bank, const QString& reasonsPath, const QByteArray& reasons);

// "\説明\ドリル\選択肢\a" + the number without blank or leading zero + ".txt".
QString choiceFile(int questionNumber);

inline constexpr const char* kQuestionsFile = "\\説明\\ドリル\\問題.txt";
inline constexpr const char* kAnswersFile = "\\説明\\ドリル\\正解.txt";
inline constexpr const char* kReasonsFile = "\\説明\\ドリル\\解説.txt";
inline constexpr const char* kIntroductionFile = "\\説明\\ドリル\\説明.txt";

}  // namespace drill
