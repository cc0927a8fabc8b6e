#include "options.h"

#include <cstdio>

namespace app {
namespace {

constexpr int kWrongUse = 2;

const char* const kHelp = "使い方: ulmaro [オプション]\n"
                          "\n"
                          "電池のしくみを学ぶ教材です。設定はその回だけで、ファイルには何も書きません。\n"
                          "\n"
                          "      --mute     音を消して始めます（M キーでまた鳴らせます）\n"
                          "  -h, --help     この説明を表示します\n"
                          "      --version  版を表示します\n"
                          "\n"
                          "キー:\n"
                          "  P              動きを止める／また動かす（電池の原理と四つの電池）\n"
                          "  .              止めている間、動きを 1 コマ進める\n"
                          "  [ / ]          動きの速さを 0.5 倍・1 倍・2 倍から選ぶ\n"
                          "  M              音を消す／また鳴らす\n"
                          "  F1             キーの一覧を開く／閉じる（Esc でも閉じます）\n"
                          "  Tab            次のボタンへ（Shift + Tab で前へ）\n"
                          "  Space・Enter   選んでいるボタンを押す\n";

}  // namespace

ParsedOptions parseOptions(const QStringList& arguments)
{
    ParsedOptions parsed;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--mute")) {
            parsed.options.muted = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            std::fputs(kHelp, stdout);
            parsed.exitStatus = 0;
            return parsed;
        } else if (argument == QLatin1String("--version")) {
            std::printf("ulmaro %s\n", ULMARO_VERSION);
            parsed.exitStatus = 0;
            return parsed;
        } else {
            std::fprintf(stderr, "ulmaro: %s というオプションはありません（--help で使い方を表示します）。\n",
                         argument.toUtf8().constData());
            parsed.exitStatus = kWrongUse;
            return parsed;
        }
    }
    return parsed;
}

}  // namespace app
