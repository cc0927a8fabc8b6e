#include "speakersink.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

namespace ui {
namespace {

QHash<QString, QSoundEffect*>& effects()
{
    // Never destroyed, not even at exit (see soundEffectFor).
    static auto* all = new QHash<QString, QSoundEffect*>;
    return *all;
}

void startSoundOutput()
{
    keepSoundClientFromWriting();
    if (QMediaDevices::defaultAudioOutput().isNull())
        std::fprintf(stderr, "ulmaro: 音の出力先が見つからないため、音は鳴りません。\n");
}

// The directives the sound client library's configuration sets, from the files it reads itself:
// the one named by PULSE_CLIENTCONFIG, else the user's or else the system's client.conf, each
// with the *.conf files of its ".d" folder.
QStringList configuredDirectives(const QString& configHome)
{
    QString main = qEnvironmentVariable("PULSE_CLIENTCONFIG");
    if (main.isEmpty()) {
        main = configHome + QStringLiteral("/client.conf");
        if (!QFileInfo(main).isFile())
            main = QStringLiteral("/etc/pulse/client.conf");
    }
    QStringList files{main};
    const QDir more(main + QStringLiteral(".d"));
    for (const QString& name : more.entryList({QStringLiteral("*.conf")}, QDir::Files, QDir::Name))
        files << more.filePath(name);

    static const QRegularExpression directive(QStringLiteral("^\\s*([a-z-]+)\\s*=\\s*[^\\s;#]"));
    QStringList names;
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        constexpr qint64 kLongestConfig = qint64(64) * 1024;
        const QStringList lines = QString::fromUtf8(file.read(kLongestConfig)).split(QLatin1Char('\n'));
        for (const QString& line : lines)
            if (const auto match = directive.match(line); match.hasMatch())
                names << match.captured(1);
    }
    return names;
}

}  // namespace

void keepSoundClientFromWriting()
{
    const QString home = QDir::homePath();
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = home + QStringLiteral("/.config");
    configHome += QStringLiteral("/pulse");
    const QStringList configured = configuredDirectives(configHome);

    // A named server: the library then neither makes its runtime folder nor starts a server.
    if (!qEnvironmentVariableIsSet("PULSE_SERVER") && !configured.contains(QStringLiteral("default-server"))) {
        QStringList servers;
        QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
        if (runtime.isEmpty() && qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
            runtime = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse");
        if (!runtime.isEmpty())
            servers << QStringLiteral("unix:") + runtime + QStringLiteral("/native");  // the user's own
        servers << QStringLiteral("unix:/var/run/pulse/native");                       // the system's
        qputenv("PULSE_SERVER", servers.join(QLatin1Char(' ')).toLocal8Bit());
    }
    // Without a cookie file the library writes a new one. A cookie of zeros, read from the zero
    // device, does as well: a new random one could not match any server's either, and a server of
    // the same user takes the client by its credentials.
    const bool hasCookie = QFileInfo::exists(configHome + QStringLiteral("/cookie"))
        || QFileInfo::exists(home + QStringLiteral("/.pulse-cookie"));
    if (qEnvironmentVariable("PULSE_COOKIE").isEmpty() && !hasCookie
        && !configured.contains(QStringLiteral("cookie-file")))
        qputenv("PULSE_COOKIE", "/dev/zero");
}

QSoundEffect& soundEffectFor(const QString& path)
{
    auto& all = effects();
    if (all.isEmpty())
        startSoundOutput();
    QSoundEffect*& effect = all[path];
    if (!effect) {
        effect = new QSoundEffect;
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, path] {
            if (effect->status() == QSoundEffect::Error)
                std::fprintf(stderr, "ulmaro: 音を鳴らせません（音の出力が読み込めませんでした）: %s\n",
                             qPrintable(path));
        });
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return *effect;
}

int soundEffectCount()
{
    return int(effects().size());
}

void SpeakerSink::play(const QString& path)
{
    stop();
    m_current = &soundEffectFor(path);
    m_current->play();  // starts as soon as the file is loaded
}

void SpeakerSink::stop()
{
    if (m_current)
        m_current->stop();
    m_current = nullptr;
}

}  // namespace ui
