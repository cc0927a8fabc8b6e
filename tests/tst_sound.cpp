// Sounds: the WAV header read before a sound reaches the sound output, broken sounds skipped with
// one line on stderr while the drill goes on, real sound objects that never hold the program up,
// the sound client's settings that keep it from writing files, and speaker modules of another
// build refused.
#include "support/stderrcapture.h"
#include "support/testprogram.h"

#include "content/contenterror.h"
#include "content/soundfile.h"
#include "drill/drillscreen.h"
#include "ui/controls/form.h"
#include "ui/sound/speakerloader.h"
#include "ui/sound/speakersink.h"

#include <QRegularExpression>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

#include <cstdio>

using content::ContentError;
using namespace testsupport;

namespace {

QByteArray le16(int value)
{
    QByteArray bytes(2, Qt::Uninitialized);
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

QByteArray le32(qint64 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(value), bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body, qint64 declared = -1)
{
    QByteArray bytes = id + le32(declared < 0 ? body.size() : declared) + body;
    if (body.size() % 2 == 1)
        bytes += '\0';
    return bytes;
}

QByteArray format(int tag, int channels, int rate, int bits)
{
    const int block = channels * bits / 8;
    return chunk("fmt ",
                 le16(tag) + le16(channels) + le32(rate) + le32(qint64(rate) * block) + le16(block) + le16(bits));
}

QByteArray wave(const QByteArray& chunks, const QByteArray& form = "WAVE")
{
    return "RIFF" + le32(4 + chunks.size()) + form + chunks;
}

const QByteArray kFormat = format(1, 1, 22050, 16);
const QByteArray kData = chunk("data", QByteArray(200, '\x10'));

QByteArray shippedSound(const char* name)
{
    QFile file(testsupport::shippedContent() + QStringLiteral("/音/%1.wav").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void addBrokenWaves()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cause");
    const QByteArray whole = wave(kFormat + kData);
    QTest::newRow("empty file") << QByteArray() << "空のファイル";
    QTest::newRow("only the word RIFF") << QByteArray("RIFF") << "RIFF と WAVE";
    QTest::newRow("a text named .wav") << encodeShiftJis(QStringLiteral("音ではありません")) << "RIFF と WAVE";
    QTest::newRow("RIFF but not WAVE") << wave(kFormat + kData, "AVI ") << "RIFF と WAVE";
    QTest::newRow("no fmt chunk") << wave(kData) << "前にありません";
    QTest::newRow("fmt chunk too short") << wave(chunk("fmt ", QByteArray(14, '\1')) + kData) << "短すぎます";
    QTest::newRow("cut inside the fmt chunk") << whole.left(30) << "途中で切れています";
    QTest::newRow("floating-point samples") << wave(format(3, 1, 22050, 32) + kData) << "形式番号 3";
    QTest::newRow("ADPCM") << wave(format(2, 1, 22050, 4) + kData) << "形式番号 2";
    QTest::newRow("24-bit PCM") << wave(format(1, 1, 22050, 24) + kData) << "24 ビット";
    QTest::newRow("no channels") << wave(format(1, 0, 22050, 16) + kData) << "チャンネル数";
    QTest::newRow("data before fmt") << wave(kData + kFormat) << "前にありません";
    QTest::newRow("no data chunk") << wave(kFormat) << "data チャンク";
    QTest::newRow("empty data chunk") << wave(kFormat + chunk("data", {})) << "データが空";
    QTest::newRow("data longer than the file")
        << wave(kFormat + chunk("data", QByteArray(10, '\1'), 1000)) << "途中で切れています";
    QTest::newRow("shipped x.wav cut in half")
        << shippedSound("x").left(shippedSound("x").size() / 2) << "途中で切れています";
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void brokenWavesRefused_data();
    void brokenWavesRefused();
    void playableWaves_data();
    void playableWaves();

    void brokenSoundsSkippedWithOneLine_data();
    void brokenSoundsSkippedWithOneLine();
    void oneSoundObjectPerFile();
    void soundObjectsOutliveBrokenFiles();
    void drillGoesOnAfterABrokenSound();
    void muteKeepsSoundsFromTheSpeakers();
    void mutedNeverLoadsTheSpeakers();
    void foreignModulesRefused_data();
    void foreignModulesRefused();

    void soundClientSettings_data();
    void soundClientSettings();
};

void SoundTest::brokenWavesRefused_data()
{
    addBrokenWaves();
}

void SoundTest::brokenWavesRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\音\\bad.wav"), bytes);
    const QString path = folder.path() + QStringLiteral("/音/bad.wav");
    try {
        content::checkSound(path);
        QFAIL("a broken sound passed");
    } catch (const ContentError& error) {
        QCOMPARE(error.path(), path);
        QCOMPARE(error.cause(), ContentError::Cause::NotASound);
        QVERIFY2(error.causeText().contains(cause), qPrintable(error.causeText()));
    }
}

void SoundTest::playableWaves_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QByteArray extensible = le16(0xFFFE) + le16(2) + le32(44100) + le32(44100 * 4) + le16(4) + le16(16) + le16(22)
        + le16(16) + le32(3) + le16(1) + QByteArray(14, '\0');
    QTest::newRow("16-bit mono") << wave(kFormat + kData) << 1 << 16;
    QTest::newRow("8-bit stereo") << wave(format(1, 2, 11025, 8) + kData) << 2 << 8;
    QTest::newRow("32-bit PCM") << wave(format(1, 1, 48000, 32) + kData) << 1 << 32;
    QTest::newRow("extensible PCM") << wave(chunk("fmt ", extensible) + kData) << 2 << 16;
    QTest::newRow("odd-sized chunk before fmt, padded") << wave(chunk("LIST", "abc") + kFormat + kData) << 1 << 16;
    QTest::newRow("shipped o.wav") << shippedSound("o") << 1 << 16;
}

void SoundTest::playableWaves()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, channels);
    QFETCH(int, bits);
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\good.wav"), bytes);
    const content::WaveFormat wav = content::checkSound(folder.path() + QStringLiteral("/good.wav"));
    QCOMPARE(wav.channels, channels);
    QCOMPARE(wav.bitsPerSample, bits);
    QVERIFY(wav.sampleRate > 0 && wav.dataBytes > 0);
}

void SoundTest::brokenSoundsSkippedWithOneLine_data()
{
    addBrokenWaves();
}

void SoundTest::brokenSoundsSkippedWithOneLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\bad.wav"), bytes);
    const QString path = folder.path() + QStringLiteral("/bad.wav");
    const int objects = ui::soundEffectCount();
    StderrCapture stderrLines;
    const auto speaker = ui::makeCheckedSpeakerSink(std::make_unique<ui::SpeakerSink>());
    speaker->play(path);
    const QStringList lines = stderrLines.newLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(path) && lines.first().contains(cause), qPrintable(lines.first()));
    // Nothing of it reached the sound output.
    QCOMPARE(ui::soundEffectCount(), objects);
}

void SoundTest::oneSoundObjectPerFile()
{
    const QString o = testsupport::shippedContent() + QStringLiteral("/音/o.wav");
    const QString x = testsupport::shippedContent() + QStringLiteral("/音/x.wav");
    const auto speaker = ui::makeCheckedSpeakerSink(std::make_unique<ui::SpeakerSink>());
    const int before = ui::soundEffectCount();
    speaker->play(o);
    speaker->play(x);
    speaker->play(o);
    QCOMPARE(ui::soundEffectCount(), before + 2);
    QCOMPARE(&ui::soundEffectFor(o), &ui::soundEffectFor(o));
    QCOMPARE(ui::soundEffectFor(o).source(), QUrl::fromLocalFile(o));
}

void SoundTest::soundObjectsOutliveBrokenFiles()
{
    // Broken files handed to real sound objects, as if they had passed the header: once one has
    // been through Qt's loader, destroying a sound object waits on it for ever. None is destroyed,
    // so this returns, and so does the program at its end.
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\empty.wav"), QByteArray());
    folder.writeBytes(QStringLiteral("\\half.wav"), shippedSound("x").left(20000));
    for (const QString& name : {QStringLiteral("empty.wav"), QStringLiteral("half.wav")}) {
        ui::soundEffectFor(folder.path() + QLatin1Char('/') + name).play();
        QTest::qWait(200);  // time for the loader to fail on it
    }
    const auto speaker = ui::makeCheckedSpeakerSink(std::make_unique<ui::SpeakerSink>());
    speaker->play(testsupport::shippedContent() + QStringLiteral("/音/dame.wav"));
    QTest::qWait(200);
    speaker->play(testsupport::shippedContent() + QStringLiteral("/音/gokaku.wav"));
    QVERIFY(ui::soundEffectCount() >= 4);
}

void SoundTest::drillGoesOnAfterABrokenSound()
{
    ContentFolder folder;
    folder.copyAllShipped();
    folder.writeBytes(QStringLiteral("\\音\\x.wav"), QByteArray());
    FailureLog log;
    TestProgram test(folder.path(), &ui::makeSpeakerSink);
    ui::Screen& s = test.open(app::ScreenId::Drill);
    auto& drill = static_cast<drill::DrillScreen&>(s);
    StderrCapture stderrLines;
    const int question = drill.questionNumber();
    QVERIFY(s.click({"Command1", drill.rightAnswer() % 3 + 1}));
    const QStringList lines = stderrLines.newLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(QStringLiteral("/音/x.wav")), qPrintable(lines.first()));
    for (int i = 0; i < 4 && s.timer("Timer1").isRunning(); ++i) {
        test.clock->now += 0.5;
        s.tick("Timer1");
    }
    QVERIFY(!drill.answered());
    QVERIFY(drill.questionNumber() != question);
    QCOMPARE(drill.rules().missCount(), qint16(1));
    QVERIFY(log.errors.isEmpty());
}

namespace {

// Answers the question on show wrongly and lets the mark wait run out, so the next can be answered.
void answerWrongly(TestProgram& test, ui::Screen& s)
{
    auto& drill = static_cast<drill::DrillScreen&>(s);
    QVERIFY(s.click({"Command1", drill.rightAnswer() % 3 + 1}));
    for (int i = 0; i < 4 && s.timer("Timer1").isRunning(); ++i) {
        test.clock->now += 0.5;
        s.tick("Timer1");
    }
    QVERIFY(!drill.answered());
}

ui::Screen& activeDrill(TestProgram& test)
{
    ui::Screen& s = test.open(app::ScreenId::Drill);
    [&] { QVERIFY(QTest::qWaitForWindowActive(s.window())); }();
    return s;
}

}  // namespace

void SoundTest::muteKeepsSoundsFromTheSpeakers()
{
    TestProgram test;
    ui::Screen& s = activeDrill(test);
    QTest::keyClick(s.window(), Qt::Key_M);
    answerWrongly(test, s);
    QCOMPARE(playedSounds(), QStringList{});
    QTest::keyClick(s.window(), Qt::Key_M);
    answerWrongly(test, s);
    QCOMPARE(playedSounds().size(), 1);
    // Muting silences a sound still playing.
    const int stopped = stoppedSounds();
    QTest::keyClick(s.window(), Qt::Key_M);
    QCOMPARE(stoppedSounds(), stopped + 1);
}

void SoundTest::mutedNeverLoadsTheSpeakers()
{
    // The speakers of another build: trying to load them says so on stderr, so every try shows.
    TestProgram test(shippedContent(), [] { return ui::makeSpeakerSinkFrom(QStringLiteral(ULMARO_FOREIGN_SPEAKERS)); });
    test.program().muting().setMuted(true);  // as --mute starts the program
    ui::Screen& s = activeDrill(test);
    StderrCapture stderrLines;
    answerWrongly(test, s);
    answerWrongly(test, s);
    QCOMPARE(stderrLines.newLines(), QStringList{});
    QTest::keyClick(s.window(), Qt::Key_M);
    answerWrongly(test, s);
    QCOMPARE(stderrLines.newLines().size(), 1);
}

void SoundTest::foreignModulesRefused_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("cause");
    QTest::newRow("module of another build") << QStringLiteral(ULMARO_FOREIGN_SPEAKERS)
                                             << "invalid.ulmaro.SpeakerFactory/0、この版は " ULMARO_SPEAKER_FACTORY_IID;
    QTest::newRow("a file that is no module")
        << shippedContent() + QStringLiteral("/音/o.wav") << "not a valid ELF object";
}

void SoundTest::foreignModulesRefused()
{
    QFETCH(QString, module);
    QFETCH(QString, cause);
    StderrCapture stderrLines;
    const auto speaker = ui::makeSpeakerSinkFrom(module);
    speaker->play(testsupport::shippedContent() + QStringLiteral("/音/o.wav"));
    speaker->play(testsupport::shippedContent() + QStringLiteral("/音/x.wav"));
    // Said once; and no code of the module ran, or it would have said so too.
    const QStringList lines = stderrLines.newLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(module + QStringLiteral(": ")) && lines.first().contains(cause),
             qPrintable(lines.first()));
}

void SoundTest::soundClientSettings_data()
{
    // "@" stands for the test's home folder; an empty value leaves a variable unset.
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("files");  // name=contents, under the home folder
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("cookie");
    const QString user = "unix:@/run/pulse/native unix:/var/run/pulse/native";
    QTest::newRow("nothing set") << QStringList{"XDG_RUNTIME_DIR=@/run"} << QStringList{} << user << "/dev/zero";
    QTest::newRow("no runtime folder") << QStringList{} << QStringList{} << "unix:/var/run/pulse/native"
                                       << "/dev/zero";
    QTest::newRow("runtime path of its own") << QStringList{"PULSE_RUNTIME_PATH=/r", "XDG_RUNTIME_DIR=@/run"}
                                             << QStringList{} << "unix:/r/native unix:/var/run/pulse/native"
                                             << "/dev/zero";
    QTest::newRow("server set by the user")
        << QStringList{"PULSE_SERVER=tcp:elsewhere"} << QStringList{} << "tcp:elsewhere"
        << "/dev/zero";
    QTest::newRow("server in the user's client.conf")
        << QStringList{} << QStringList{".config/pulse/client.conf= default-server = tcp:there ; mine"} << ""
        << "/dev/zero";
    QTest::newRow("a commented-out server does not count")
        << QStringList{} << QStringList{".config/pulse/client.conf=; default-server = tcp:there"}
        << "unix:/var/run/pulse/native"
        << "/dev/zero";
    QTest::newRow("cookie set by the user")
        << QStringList{"PULSE_COOKIE=/mine"} << QStringList{} << "unix:/var/run/pulse/native"
        << "/mine";
    QTest::newRow("a cookie file exists")
        << QStringList{} << QStringList{".config/pulse/cookie=x"} << "unix:/var/run/pulse/native"
        << "";
    QTest::newRow("an old cookie file exists")
        << QStringList{} << QStringList{".pulse-cookie=x"} << "unix:/var/run/pulse/native"
        << "";
    QTest::newRow("cookie in a client.conf.d file")
        << QStringList{"PULSE_CLIENTCONFIG=@/c.conf"} << QStringList{"c.conf=", "c.conf.d/a.conf=cookie-file=/k"}
        << "unix:/var/run/pulse/native"
        << "";
}

void SoundTest::soundClientSettings()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, files);
    QFETCH(QString, server);
    QFETCH(QString, cookie);
    const QByteArrayList names{"HOME",         "XDG_CONFIG_HOME",    "XDG_RUNTIME_DIR",   "PULSE_SERVER",
                               "PULSE_COOKIE", "PULSE_CLIENTCONFIG", "PULSE_RUNTIME_PATH"};
    QHash<QByteArray, QByteArray> saved;
    for (const QByteArray& name : names) {
        if (qEnvironmentVariableIsSet(name.constData()))
            saved[name] = qgetenv(name.constData());
        qunsetenv(name.constData());
    }
    ContentFolder home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (QString setting : environment) {
        setting.replace(QLatin1Char('@'), home.path());
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        qputenv(setting.left(equals).toLatin1().constData(), setting.mid(equals + 1).toLocal8Bit());
    }
    for (const QString& file : files) {
        const qsizetype equals = file.indexOf(QLatin1Char('='));
        home.writeBytes(file.left(equals), file.mid(equals + 1).toUtf8());
    }

    ui::keepSoundClientFromWriting();
    const QString setServer = qEnvironmentVariable("PULSE_SERVER");
    const QString setCookie = qEnvironmentVariable("PULSE_COOKIE");

    for (const QByteArray& name : names) {
        qunsetenv(name.constData());
        if (saved.contains(name))
            qputenv(name.constData(), saved[name]);
    }
    QCOMPARE(setServer, QString(server).replace(QLatin1Char('@'), home.path()));
    QCOMPARE(setCookie, cookie);
}

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
