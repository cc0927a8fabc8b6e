// Every content failure on the screen where it happens, at the moment the file is needed and not
// before; and the real program, started in a child process, ending with its report and status 3.
#include "support/realticks.h"
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>

#include <filesystem>

using content::ContentError;
using namespace testsupport;
using app::ScreenId;

namespace {

// What the user does, one step at a time: "press Command2", "tick Timer1", "runOut Timer2",
// "reach flowing", "answer right", "answer wrong"; and "shorten", which cuts the row's file short
// while the program runs.
void perform(Visit& visit, const QString& step, const std::function<void()>& shorten)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString what = step.section(QLatin1Char(' '), 1);
    const std::string timer = what.toStdString();
    if (verb == QLatin1String("press"))
        visit.press(what);
    else if (verb == QLatin1String("tick"))
        visit.screen.tick(timer);
    else if (verb == QLatin1String("runOut"))
        visit.runOut(timer.c_str());
    else if (verb == QLatin1String("reach"))
        visit.reach(what);
    else if (verb == QLatin1String("answer"))
        visit.answer(what == QLatin1String("right"), false);
    else if (verb == QLatin1String("shorten"))
        shorten();
    else
        QFAIL(qPrintable("no such step: " + step));
}

// The first 29 lines of a shipped file of 30 fields, one a line.
QByteArray oneLineShort(const QString& relative)
{
    QFile file(testsupport::shippedContent() + QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/')));
    file.open(QIODevice::ReadOnly);
    return file.readAll().split('\n').mid(0, 29).join('\n') + '\n';
}

// The TCP port a process listens on, found through its open sockets in /proc; 0 while it has none.
quint16 listeningPort(qint64 pid)
{
    const std::filesystem::path proc = "/proc/" + std::to_string(pid);
    QSet<QByteArray> sockets;
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator(proc / "fd", error)) {
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (target.starts_with("socket:["))
            sockets.insert(QByteArray::fromStdString(target.substr(8, target.size() - 9)));
    }
    for (const char* table : {"net/tcp", "net/tcp6"}) {
        QFile file(QString::fromStdString((proc / table).string()));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // sl local_address rem_address st ... inode: the state 0A is LISTEN.
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 9 && fields[3] == "0A" && sockets.contains(fields[9]))
                return quint16(fields[1].mid(fields[1].lastIndexOf(':') + 1).toUInt(nullptr, 16));
        }
    }
    return 0;
}

const QString kQuestions = QStringLiteral("\\説明\\ドリル\\問題.txt");
const QString kAnswers = QStringLiteral("\\説明\\ドリル\\正解.txt");

}  // namespace

class FailuresTest : public QObject {
    Q_OBJECT
private slots:
    void reportedWhereAndWhenTheFileIsNeeded_data();
    void reportedWhereAndWhenTheFileIsNeeded();
    void theProgramEndsWithItsReportAndStatus3();

private:
    // A real tick of a clock would need the file before the step the row names.
    RealTicksDropped m_realTicksDropped;
};

void FailuresTest::reportedWhereAndWhenTheFileIsNeeded_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("missing");  // or one line short, from the start or at a "shorten" step
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("failing");  // empty: opening the screen fails
    const QString anime = QStringLiteral("\\画像\\アニメ\\");
    auto row = [](const char* name, ScreenId id, const QString& file, QStringList before, const char* failing,
                  bool missing = true) {
        QTest::newRow(name) << int(id) << file << missing << before << QString::fromUtf8(failing);
    };
    row("ボルタ: the second zinc frame at the second step", ScreenId::Volta, anime + "zn_2.gif", {"reach flowing"},
        "tick Timer1");
    row("ボルタ: a bubble picture at the first bubble tick", ScreenId::Volta, anime + "awa2.gif", {}, "tick Timer2");
    row("ボルタ: 負極.txt at 負極拡大", ScreenId::Volta, "\\説明\\ボルタ\\負極.txt", {"reach closed"},
        "press Command2");
    row("ダニエル: 素焼き板.txt at 素焼板拡大", ScreenId::Daniell, "\\説明\\ダニエル\\素焼き板.txt", {"reach closed"},
        "press Command5");
    row("ダニエル: the first copper frame at the first step", ScreenId::Daniell, anime + "cu_1.gif",
        {"reach closed", "press Command1"}, "tick Timer1");
    row("マンガン: 正極.txt at 正極拡大", ScreenId::Manganese, "\\説明\\マンガン\\正極.txt", {"reach closed"},
        "press Command3");
    row("鉛蓄電池: the sulfate frame after the so4_x one", ScreenId::Lead, anime + "so4_1.gif",
        {"reach closed", "press Command1"}, "tick Timer1");
    row("原理: p1.txt as the screen opens", ScreenId::Principle, "\\説明\\原理\\p1.txt", {}, "");
    row("原理: p3.txt at the second 次ページ", ScreenId::Principle, "\\説明\\原理\\p3.txt", {"reach page2"},
        "press Command2");
    row("原理: the fourth frame at the fourth tick", ScreenId::Principle, anime + "g4.gif",
        {"reach pressed", "tick Timer3", "tick Timer3", "tick Timer3"}, "tick Timer3");
    row("ドリルスタート: 説明.txt as it opens", ScreenId::DrillStart, "\\説明\\ドリル\\説明.txt", {}, "");
    row("ドリル: 問題.txt as it opens", ScreenId::Drill, kQuestions, {}, "");
    row("ドリル: 正解.txt as it opens", ScreenId::Drill, kAnswers, {}, "");
    row("ドリル: 29 questions as it opens", ScreenId::Drill, kQuestions, {}, "", false);
    row("ドリル: 29 answers as it opens", ScreenId::Drill, kAnswers, {}, "", false);
    row("ドリル: 29 reasons as it opens", ScreenId::Drill, "\\説明\\ドリル\\解説.txt", {}, "", false);
    row("ドリル: 29 answers at the restart, as the bank is read again", ScreenId::Drill, kAnswers,
        {"answer wrong", "runOut Timer1", "shorten"}, "press Image2", false);
    // The questions drawn are 1, then 16.
    row("ドリル: the second question's choices as it is drawn", ScreenId::Drill, "\\説明\\ドリル\\選択肢\\a16.txt",
        {"answer right"}, "runOut Timer1");
    row("ドリル: maru.gif at a right answer", ScreenId::Drill, "\\画像\\maru.gif", {"answer wrong", "runOut Timer1"},
        "answer right");
    row("ドリル: batu.gif at a wrong answer", ScreenId::Drill, "\\画像\\batu.gif", {"answer right", "runOut Timer1"},
        "answer wrong");
    QStringList fiftyRight;
    for (int i = 0; i < 50; ++i)
        fiftyRight << "answer right"
                   << "runOut Timer1";
    fiftyRight.removeLast();
    row("ドリル: gmedal.gif at the pass", ScreenId::Drill, "\\画像\\gmedal.gif", fiftyRight, "runOut Timer1");
}

void FailuresTest::reportedWhereAndWhenTheFileIsNeeded()
{
    QFETCH(int, screen);
    QFETCH(QString, file);
    QFETCH(bool, missing);
    QFETCH(QStringList, before);
    QFETCH(QString, failing);
    ContentFolder folder;
    const bool shortLater = before.contains(QStringLiteral("shorten"));
    folder.copyShippedExcept(missing || !shortLater ? QStringList{file} : QStringList{});
    auto shorten = [&] { folder.writeBytes(file, oneLineShort(file)); };
    if (!missing && !shortLater)
        shorten();
    FailureLog log;
    TestProgram program(folder.path());
    program.randomValues = {0.01, 0.51};
    Visit visit(program, ScreenId(screen));
    for (const QString& step : before) {
        perform(visit, step, shorten);
        QVERIFY2(log.errors.isEmpty(), qPrintable("reported before it was needed, at " + step));
    }
    if (!failing.isEmpty())
        perform(visit, failing, shorten);

    QCOMPARE(log.errors.size(), 1);
    const ContentError& error = log.errors.first();
    QCOMPARE(error.path(), folder.path() + QString(file).replace(QLatin1Char('\\'), QLatin1Char('/')));
    QCOMPARE(error.cause(), missing ? ContentError::Cause::NotFound : ContentError::Cause::BadFieldFile);
    QVERIFY(error.report().contains(error.path()));
    QVERIFY2(visit.screen.isLoaded(), "the failure was reported on another screen");
}

// The real program, on Qt's VNC platform so that it needs no display yet takes keys: the test
// connects as a viewer and presses the space bar, as a user at the menu would.
void FailuresTest::theProgramEndsWithItsReportAndStatus3()
{
    const QString built = qEnvironmentVariable("ULMARO_EXECUTABLE");
    QVERIFY2(QFileInfo(built).isExecutable(), "ULMARO_EXECUTABLE names no program");
    // The program finds its content beside itself: a copy in a folder without p1.txt, which
    // 電池の原理 reads as it opens. The menu needs no content file.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("ulmaro"));
    QVERIFY(QFile::copy(built, program));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("説明/原理")));

    // Port 0: the system gives the program's VNC server a free port as it listens, and the test
    // reads which, so no other process can take the port between choosing it and listening on it.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:size=800x600:port=0"));
    child.setProcessEnvironment(environment);
    child.start(program, {});
    QVERIFY(child.waitForStarted());
    const auto stop = qScopeGuard([&child] {
        child.kill();
        child.waitForFinished();
    });

    // A deadline only against a hang; nothing here measures how long anything takes.
    const QDeadlineTimer deadline(60000);
    quint16 port = 0;
    QTcpSocket viewer;
    while (viewer.state() != QAbstractSocket::ConnectedState && !deadline.hasExpired()
           && child.state() == QProcess::Running) {
        if (!port && !(port = listeningPort(child.processId()))) {
            child.waitForFinished(100);
            continue;
        }
        viewer.connectToHost(QHostAddress::LocalHost, port);
        if (!viewer.waitForConnected(200))
            viewer.abort();
    }
    QVERIFY2(viewer.state() == QAbstractSocket::ConnectedState, "the program's screen could not be reached");
    auto receive = [&](qint64 bytes) {
        QByteArray data;
        while (data.size() < bytes && !deadline.hasExpired() && viewer.state() == QAbstractSocket::ConnectedState)
            if (viewer.bytesAvailable() || viewer.waitForReadyRead(200))
                data += viewer.read(bytes - data.size());
        return data;
    };
    QCOMPARE(receive(12), QByteArray("RFB 003.003\n"));
    viewer.write("RFB 003.003\n");
    QCOMPARE(receive(4), QByteArray("\0\0\0\1", 4));  // no password
    viewer.write("\1");                               // shared
    const QByteArray init = receive(24);
    QCOMPARE(init.size(), 24);
    receive(qFromBigEndian<quint32>(init.constData() + 20));

    // Tab from the title the menu opens on to its first button; the first press opens 電池の原理
    // from there, the next ones close the report.
    viewer.write(QByteArray("\4\1\0\0\0\0\xff\x09\4\0\0\0\0\0\xff\x09", 16));
    const QByteArray space("\4\1\0\0\0\0\0\x20\4\0\0\0\0\0\0\x20", 16);
    while (child.state() == QProcess::Running && !deadline.hasExpired()) {
        viewer.write(space);
        viewer.flush();
        child.waitForFinished(200);
    }
    QVERIFY2(child.state() == QProcess::NotRunning, "the program did not end");
    const QString errors = QString::fromUtf8(child.readAllStandardError());
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 3)
        qWarning().noquote() << "the program's standard error:\n" << errors;  // a sanitizer's report, say
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 3);
    QStringList report;
    for (const QString& line : errors.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("ulmaro:")))
            report << line;
    QCOMPARE(report.size(), 1);
    QVERIFY2(report.first().contains(folder.filePath(QStringLiteral("説明/原理/p1.txt"))), qPrintable(report.first()));
    QVERIFY2(report.first().contains(QStringLiteral("見つかりません")), qPrintable(report.first()));
}

QTEST_MAIN(FailuresTest)
#include "tst_failures.moc"
