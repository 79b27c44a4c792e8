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
#include <cstdio>
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

// The next line of the process's output without its line end; empty when the
// process ended or said nothing for ten seconds.
QByteArray nextLine(QProcess &process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000))
            return {};
    }
    return process.readLine().chopped(1);
}

void startOffscreen(QProcess &process, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
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

    void start(QProcess &process) const
    {
        startOffscreen(process, program, {});
        ASSERT_TRUE(process.waitForStarted());
        // The lock is taken once the quit signals are handled.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QFile::exists(path("save/runechecklist.lock")); }, 10000));
    }

    QTemporaryDir dir;
    QString program;
};

} // namespace

// A quit signal saves the current group and ends the program, also while a
// start-up box waits for an answer: one before the window is made (a lock
// from another machine), one after (a save file that cannot be read, which
// is then left as it is). The boxes show in the driver, which opens the
// checklist as the program does and says when it shows one. Changed counts
// that cannot be saved (the save file replaced by a folder once the program
// runs) end it with a failure. A signal the program was started with ignored,
// as nohup does with SIGHUP, stays ignored.
TEST(ProcessEnd, quitSignalsSaveAndEndTheProgramAtEveryMoment)
{
    enum Start { Plain, LockedElsewhere, Unreadable, Unsavable };
    const QByteArray lock = "4242\nrunechecklist\nanother-pc\n";
    RuneStock seven;
    seven.set(0, 7);
    for (const auto &[start, signalNumber] : {std::pair{Plain, SIGTERM}, {Plain, SIGINT}, {Plain, SIGHUP},
                                              {LockedElsewhere, SIGTERM}, {Unreadable, SIGINT}, {Unsavable, SIGTERM}}) {
        SCOPED_TRACE(start * 100 + signalNumber);
        ProgramFolder folder;
        // Written the way no save writes it, so a rewrite shows.
        QFile seed(folder.path(start == LockedElsewhere ? "save/runechecklist.lock" : "save/rune1.sav"));
        if (start == Unreadable) {
            ASSERT_TRUE(QDir().mkpath(seed.fileName()));
        } else if (start != Unsavable) {
            ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
            seed.write(start == LockedElsewhere ? lock : "7\n");
            seed.close();
        }
        QProcess program;
        if (start == Plain) {
            folder.start(program);
        } else {
            program.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
            startOffscreen(program, QStringLiteral(RCL_DRIVER_PATH), {QStringLiteral("click"), folder.dir.path()});
            if (start == Unsavable) {
                ASSERT_EQ(nextLine(program), "opened");
                ASSERT_TRUE(QDir().mkpath(seed.fileName()));
                program.write("\n");
                ASSERT_EQ(nextLine(program), "clicked");
            } else {
                ASSERT_TRUE(nextLine(program).startsWith("asking: "));
            }
            ::kill(pid_t(program.processId()), SIGHUP);
            EXPECT_FALSE(program.waitForFinished(300));
        }
        ::kill(pid_t(program.processId()), signalNumber);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), start == Unsavable ? 1 : 0);
        EXPECT_EQ(readAll(folder.path("save/runechecklist.lock")), start == LockedElsewhere ? lock : QByteArray());
        EXPECT_EQ(readAll(folder.path("save/rune1.sav")), start == Plain ? formatSaveFile(seven) : QByteArray());
        EXPECT_EQ(QFileInfo(folder.path("save/rune1.sav")).isDir(), start == Unreadable || start == Unsavable);
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
// new whole file. Killed while the helper waits after a save, it is the one
// just saved, A and then B; killed at random, either, as the record says.
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
    for (const int saves : {1, 2}) {
        QProcess saver;
        saver.start(QStringLiteral(RCL_SAVE_STRESS_PATH), {QStringLiteral("save"), dir.path(), QString::number(saves)});
        QByteArray said = nextLine(saver);
        if (said == "ready")
            said = nextLine(saver);
        ::kill(pid_t(saver.processId()), SIGKILL);
        ASSERT_TRUE(saver.waitForFinished(10000));
        EXPECT_EQ(said, saves == 1 ? "saved A" : "saved B");
        EXPECT_EQ(readAll(files.saveFilePath(1)), saves == 1 ? wholeA : wholeB);
    }
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
    RecordProperty("randomKillsSawA", sawA);
    RecordProperty("randomKillsSawB", sawB);
    std::printf("150 random kills: A %d times, B %d times\n", sawA, sawB);
}

// Killed two seconds after a count changed, the program has the change on
// disk: the autosave wrote it, whole.
TEST(ProcessEnd, killedTwoSecondsAfterAChangeKeepsIt)
{
    QTemporaryDir dir;
    QProcess program;
    startOffscreen(program, QStringLiteral(RCL_DRIVER_PATH), {QStringLiteral("click"), dir.path()});
    ASSERT_EQ(nextLine(program), "opened");
    program.write("\n");
    ASSERT_EQ(nextLine(program), "clicked");
    QThread::msleep(2000);
    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));
    RuneStock thul;
    thul.set(9, 1);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("save/rune1.sav"))), formatSaveFile(thul));
}
