#include "startup.h"

#include "content/contentpath.h"
#include "ui/pictures/afterpaint.h"
#include "ui/screen/windowsizer.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace app {
namespace {

constexpr int kWrongOptions = 2;

const char* const kHelp =
    "使い方: ulmaro [オプション]\n"
    "\n"
    "電池のしくみを学ぶ教材です。オプションはこの実行の間だけ効き、何も書き残しません。\n"
    "\n"
    "      --fullscreen    全画面で始めます（F11 でも切り替えられます）\n"
    "      --zoom 倍率     窓を 倍率 %（25〜400）の大きさで開きます（Ctrl + と Ctrl - で\n"
    "                      段階的に、Ctrl 0 で 100 % に戻ります）\n"
    "  -h, --help          この説明を表示します\n"
    "      --version       版を表示します\n";

int wrong(const QString& message)
{
    std::fprintf(stderr, "ulmaro: %s（--help で使い方を表示します）。\n", message.toUtf8().constData());
    return kWrongOptions;
}

}  // namespace

std::optional<int> applyOptions(const QStringList& arguments, ui::ViewSettings& view)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (argument == QLatin1String("--version")) {
            std::printf("ulmaro %s\n", ULMARO_VERSION);
            return 0;
        }
        if (argument == QLatin1String("--fullscreen")) {
            view.fullScreen = true;
            continue;
        }
        if (argument == QLatin1String("--zoom") || argument.startsWith(QLatin1String("--zoom="))) {
            const bool joined = argument.contains(QLatin1Char('='));
            if (!joined && i + 1 >= arguments.size())
                return wrong(QStringLiteral("--zoom には倍率（%1〜%2）をつけてください")
                                 .arg(ui::kSmallestZoomPercent)
                                 .arg(ui::kLargestZoomPercent));
            QString value = joined ? argument.section(QLatin1Char('='), 1) : arguments[++i];
            if (value.endsWith(QLatin1Char('%')))
                value.chop(1);
            bool ok = false;
            const int percent = value.toInt(&ok);
            if (!ok || percent < ui::kSmallestZoomPercent || percent > ui::kLargestZoomPercent)
                return wrong(QStringLiteral("--zoom の倍率 %1 は使えません。%2〜%3 の整数にしてください")
                                 .arg(value)
                                 .arg(ui::kSmallestZoomPercent)
                                 .arg(ui::kLargestZoomPercent));
            view.zoomPercent = percent;
            continue;
        }
        return wrong(QStringLiteral("%1 というオプションはありません").arg(argument));
    }
    return std::nullopt;
}

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setApplicationVersion(QStringLiteral(ULMARO_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ULMARO_DESKTOP_ID));
    // Made once the first window has painted: drawing the icon at every size the desktop may ask
    // for would otherwise delay the first screen.
    ui::runAfterFirstPaint(&application, &application,
                           [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg"))); });
    application.setQuitOnLastWindowClosed(false);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
}

}  // namespace app
