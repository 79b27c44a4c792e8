#include "stockfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

using namespace rcl;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// These tests use POSIX processes and signals.

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

    void start(QProcess &process, bool waitForLock = true) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted());
        // The lock is taken once the quit signals are handled.
        if (waitForLock) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return QFile::exists(path("save/runechecklist.lock")); }, 10000));
        }
    }

    QTemporaryDir dir;
    QString program;
};

} // namespace

// A quit signal saves the current group and ends the program, also while a
// start-up box waits for an answer: one before the window is made (a lock
// from another machine), one after (a save file that cannot be read, which
// is then left as it is). A signal the program was started with ignored, as
// nohup does with SIGHUP, stays ignored.
TEST(ProcessEnd, quitSignalsSaveAndEndTheProgramAtEveryMoment)
{
    enum Start { Plain, LockedElsewhere, Unreadable };
    const QByteArray lock = "4242\nrunechecklist\nanother-pc\n";
    RuneStock seven;
    seven.set(0, 7);
    for (const auto &[start, signalNumber] : {std::pair{Plain, SIGTERM}, {Plain, SIGINT}, {Plain, SIGHUP},
                                              {LockedElsewhere, SIGTERM}, {Unreadable, SIGINT}}) {
        SCOPED_TRACE(start * 100 + signalNumber);
        ProgramFolder folder;
        // Written the way no save writes it, so a rewrite shows.
        QFile seed(folder.path(start == LockedElsewhere ? "save/runechecklist.lock" : "save/rune1.sav"));
        ASSERT_TRUE(start == Unreadable ? QDir().mkpath(seed.fileName()) : seed.open(QIODevice::WriteOnly));
        seed.write(start == LockedElsewhere ? lock : "7\n");
        seed.close();
        QProcess program;
        if (start != Plain)
            program.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
        folder.start(program, start != LockedElsewhere);
        if (start != Plain) {
            QThread::msleep(1000);
            ::kill(pid_t(program.processId()), SIGHUP);
            EXPECT_FALSE(program.waitForFinished(300));
        }
        ::kill(pid_t(program.processId()), signalNumber);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(readAll(folder.path("save/runechecklist.lock")), start == LockedElsewhere ? lock : QByteArray());
        EXPECT_EQ(readAll(folder.path("save/rune1.sav")), start == Plain ? formatSaveFile(seven) : QByteArray());
        EXPECT_EQ(QFileInfo(folder.path("save/rune1.sav")).isDir(), start == Unreadable);
    }
}

// A save is whole or nothing where the folder takes a new file: a write cut
// short (a file size limit fails it as a full disk does, whatever rights the
// test has) leaves the old file. Where the folder takes no new file but the
// file may be written (a folder of another user; folder rights do not hold
// for root, so the save then runs as nobody), the file is rewritten in place.
TEST(ProcessEnd, saveIsWholeOrRewrittenInPlace)
{
    RuneStock saved;
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        saved.set(i, i * 1111);
    for (const bool folderTakesNoFile : {false, true}) {
        SCOPED_TRACE(folderTakesNoFile);
        QTemporaryDir dir;
        const StockFiles files(dir.path());
        ASSERT_TRUE(QDir().mkpath(files.saveDirectory()));
        QFile old(files.saveFilePath(1));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("1\n") == 2);
        old.close();
        constexpr auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
            | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        constexpr auto writable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        ASSERT_TRUE(QFile::setPermissions(dir.path(), readable) && old.setPermissions(readable | writable));
        ASSERT_TRUE(QFile::setPermissions(files.saveDirectory(), folderTakesNoFile ? readable : readable | writable));
        QProcess saver;
        if (folderTakesNoFile) {
            saver.setChildProcessModifier([] {
                if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                    ::_exit(3);
            });
        } else {
            saver.setChildProcessModifier([] {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit tight{100, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &tight);
            });
        }
        saver.start(QStringLiteral(RCL_SAVE_STRESS_PATH), {QStringLiteral("once"), dir.path()});
        ASSERT_TRUE(saver.waitForFinished(10000));
        EXPECT_EQ(saver.exitCode(), folderTakesNoFile ? 0 : 1);
        EXPECT_EQ(readAll(files.saveFilePath(1)), folderTakesNoFile ? formatSaveFile(saved) : QByteArray("1\n"));
        EXPECT_EQ(QDir(files.saveDirectory()).entryList(QDir::Files), QStringList{QStringLiteral("rune1.sav")});
        for (const QString &folder : {files.saveDirectory(), dir.path()})
            QFile::setPermissions(folder, readable | QFileDevice::WriteOwner);
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

// Killed two seconds after a count changed, the program has the change on
// disk: the autosave wrote it, whole.
TEST(ProcessEnd, killedTwoSecondsAfterAChangeKeepsIt)
{
    QTemporaryDir dir;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(RCL_CLICK_AND_WAIT_PATH), {dir.path()});
    ASSERT_TRUE(program.waitForReadyRead(10000));
    ASSERT_EQ(program.readAll().trimmed(), "clicked");
    QThread::msleep(2000);
    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));
    RuneStock thul;
    thul.set(9, 1);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("save/rune1.sav"))), formatSaveFile(thul));
}
