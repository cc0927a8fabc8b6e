#include "options.h"

#include <cstdio>

namespace app {
namespace {

constexpr int kWrongUse = 2;

const char* const kHelp = "使い方: ulmaro [オプション]\n"
                          "\n"
                          "電池のしくみを学ぶ教材です。設定はその回だけで、ファイルには何も書きません。\n"
                          "\n"
                          "      --fullscreen  全画面で始めます（F11 でも切り替えられます）\n"
                          "      --zoom 倍率   窓を 倍率 %（25〜400）の大きさで開きます\n"
                          "      --mute        音を消して始めます（M キーでまた鳴らせます）\n"
                          "  -h, --help        この説明を表示します\n"
                          "      --version     版を表示します\n"
                          "\n"
                          "キー:\n"
                          "  P              動きを止める／また動かす（電池の原理と四つの電池）\n"
                          "  .              止めている間、動きを 1 コマ進める\n"
                          "  [ / ]          動きの速さを 0.5 倍・1 倍・2 倍から選ぶ\n"
                          "  M              音を消す／また鳴らす\n"
                          "  F11            全画面にする／もとに戻す\n"
                          "  Ctrl + / Ctrl -  拡大／縮小（Ctrl 0 で 100 % に戻す）\n"
                          "  F1             キーの一覧を開く／閉じる（Esc でも閉じます）\n"
                          "  Tab            次のボタンへ（Shift + Tab で前へ）\n"
                          "  ↑ / ↓          メニューで上／下のボタンへ（Home・End で最初／最後へ）\n"
                          "  Space・Enter   選んでいるボタンを押す\n";

ParsedOptions wrong(ParsedOptions parsed, const QString& message)
{
    std::fprintf(stderr, "ulmaro: %s（--help で使い方を表示します）。\n", message.toUtf8().constData());
    parsed.exitStatus = kWrongUse;
    return parsed;
}

}  // namespace

ParsedOptions parseOptions(const QStringList& arguments)
{
    ParsedOptions parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--mute")) {
            parsed.options.muted = true;
        } else if (argument == QLatin1String("--fullscreen")) {
            parsed.options.view.fullScreen = true;
        } else if (argument == QLatin1String("--zoom") || argument.startsWith(QLatin1String("--zoom="))) {
            const bool joined = argument.contains(QLatin1Char('='));
            if (!joined && i + 1 >= arguments.size())
                return wrong(parsed, QStringLiteral("--zoom には倍率（%1〜%2）をつけてください")
                                         .arg(ui::kSmallestZoomPercent)
                                         .arg(ui::kLargestZoomPercent));
            QString value = joined ? argument.section(QLatin1Char('='), 1) : arguments[++i];
            if (value.endsWith(QLatin1Char('%')))
                value.chop(1);
            bool ok = false;
            const int percent = value.toInt(&ok);
            if (!ok || percent < ui::kSmallestZoomPercent || percent > ui::kLargestZoomPercent)
                return wrong(parsed, QStringLiteral("--zoom の倍率 %1 は使えません。%2〜%3 の整数にしてください")
                                         .arg(value)
                                         .arg(ui::kSmallestZoomPercent)
                                         .arg(ui::kLargestZoomPercent));
            parsed.options.view.zoomPercent = percent;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            std::fputs(kHelp, stdout);
            parsed.exitStatus = 0;
            return parsed;
        } else if (argument == QLatin1String("--version")) {
            std::printf("ulmaro %s\n", ULMARO_VERSION);
            parsed.exitStatus = 0;
            return parsed;
        } else {
            return wrong(parsed, QStringLiteral("%1 というオプションはありません").arg(argument));
        }
    }
    return parsed;
}

}  // namespace app
