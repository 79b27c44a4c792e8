#include "stockfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

using namespace rcl;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool waitFor(const std::function<bool()> &condition, int milliseconds = 10000)
{
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (condition())
            return true;
        QThread::msleep(10);
    }
    return condition();
}

// The program, copied into a folder of its own: its save folder goes beside it.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        program = dir.filePath(QStringLiteral("runechecklist"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(RCL_PROGRAM_PATH), program));
        QDir().mkpath(dir.filePath(QStringLiteral("save")));
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    void start(QProcess &process) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted());
        // The lock is taken once the quit signals are handled.
        ASSERT_TRUE(waitFor([this] { return QFile::exists(path("save/runechecklist.lock")); }));
    }

    QTemporaryDir dir;
    QString program;
};

} // namespace

TEST(ProcessEnd, quitSignalsSaveTheCurrentGroup)
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        ProgramFolder folder;
        // Written the way no save writes it, so a rewrite shows.
        QFile seed(folder.path("save/rune1.sav"));
        ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
        seed.write("7\n");
        seed.close();

        QProcess program;
        folder.start(program);
        ::kill(pid_t(program.processId()), signalNumber);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        RuneStock expected;
        expected.set(0, 7);
        EXPECT_EQ(readAll(folder.path("save/rune1.sav")), formatSaveFile(expected));
        EXPECT_FALSE(QFile::exists(folder.path("save/runechecklist.lock")));
    }
}

// Killed at any instant of a save, the save file is the old whole file or the
// new whole file.
TEST(ProcessEnd, killDuringSaveLeavesAWholeFile)
{
    RuneStock a;
    RuneStock b;
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        a.set(i, i * 1111);
        b.set(i, -i * 7777777);
    }
    const QByteArray wholeA = formatSaveFile(a);
    const QByteArray wholeB = formatSaveFile(b);

    QTemporaryDir dir;
    const StockFiles files(dir.path());
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
    int sawA = 0;
    int sawB = 0;
    for (int run = 0; run < 150; ++run) {
        QProcess saver;
        saver.start(QStringLiteral(RCL_SAVE_STRESS_PATH), {QStringLiteral("save"), dir.path()});
        ASSERT_TRUE(saver.waitForReadyRead(10000));
        QThread::usleep(ulong(delayMicroseconds(random)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        ASSERT_TRUE(saver.waitForFinished(10000));
        const QByteArray content = readAll(files.saveFilePath(1));
        ASSERT_TRUE(content == wholeA || content == wholeB) << "run " << run << ": " << content.size() << " bytes";
        (content == wholeA ? sawA : sawB) += 1;
    }
    // Both versions were seen, so the kills did land in the middle of saving.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
