// ulmaro-check [FOLDER]: checks a content folder before class, writing nothing.
#include "contentchecker.h"

#include "content/contentpath.h"

#include <QApplication>

#include <cstdio>

namespace {

constexpr int kProblemsFound = 1;
constexpr int kNotUsable = 2;  // not an application folder, or the command line is wrong

const char* const kHelp =
    "使い方: ulmaro-check [フォルダー]\n"
    "\n"
    "Ulmaro の教材（説明・画像・音 のフォルダー）を、授業の前に調べます。フォルダーを指定\n"
    "しなければ、ulmaro-check の置かれたフォルダーを調べます。ファイルは何も書きません。\n"
    "\n"
    "調べること:\n"
    "  ・ファイルがそろっていて、読めること\n"
    "  ・文章が Shift-JIS・UTF-8・UTF-16（BOM 付き）のどれかで読めて、空でなく、読めない文字・\n"
    "    NUL 文字・途中で切れた文字がないこと\n"
    "  ・どの行も画面の一覧や問題の欄の幅に入ること\n"
    "  ・電池の説明、ドリルの説明と選択肢が、スクロールしなくても全部見えること\n"
    "  ・ドリルの問題が 30 問（同じ問題が二つなく）、正解が 30 個（どれも 1・2・3 のどれか）、\n"
    "    選択肢が 30 問分あること\n"
    "  ・ドリルの解説（解説.txt、なくてもよい）が 1 問 1 行の 30 行で、どの行も解説の欄の幅に入ること\n"
    "  ・画像が読めて、画面に並べてある大きさであること\n"
    "  ・音が鳴らせる WAV（PCM）であること\n"
    "\n"
    "問題を 1 行に一つずつ（ファイル、行と何文字目か、原因、直し方）書き、最後にまとめを書きます。\n"
    "「注意」の行は、直さなくてよいお知らせです（UTF-8 や UTF-16 で保存された文章など）。\n"
    "\n"
    "  -h, --help     この説明を表示します\n"
    "      --version  版を表示します\n"
    "\n"
    "終了コード: 0 問題なし、1 問題あり、2 教材のフォルダーではない、または使い方の誤り\n";

void print(FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

}  // namespace

int main(int argc, char* argv[])
{
    // The checker measures with the screens' fonts and controls but never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QStringList folders;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (argument == QLatin1String("--version")) {
            std::printf("ulmaro-check %s\n", ULMARO_VERSION);
            return 0;
        }
        if (argument.startsWith(QLatin1Char('-'))) {
            print(stderr,
                  QStringLiteral("ulmaro-check: %1 というオプションはありません（--help で使い方を表示します）。")
                      .arg(argument));
            return kNotUsable;
        }
        folders << argument;
    }
    if (folders.size() > 1) {
        print(stderr, QStringLiteral("ulmaro-check: 調べるフォルダーは一つだけ指定してください。"));
        return kNotUsable;
    }
    const QString folder =
        content::appPathFromFolder(folders.isEmpty() ? QCoreApplication::applicationDirPath() : folders.first());
    check::ContentChecker checker(folder);
    if (!checker.isApplicationFolder()) {
        print(stderr,
              QStringLiteral("ulmaro-check: %1 は Ulmaro のアプリケーションフォルダーではありません"
                             "（説明・画像・音 のどのフォルダーもありません）。")
                  .arg(folder.isEmpty() ? QStringLiteral("/") : folder));
        return kNotUsable;
    }
    const QList<check::Finding> findings = checker.run();
    for (const check::Finding& finding : findings)
        print(stdout, finding.toLine());
    print(stdout, checker.summary(findings));
    return check::ContentChecker::problemCount(findings) > 0 ? kProblemsFound : 0;
}
