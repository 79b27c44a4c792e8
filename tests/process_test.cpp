#include "stock/stockfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

using namespace rcl;

// These tests use POSIX processes and signals.
namespace {

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

// Whether the process has the signal ignored, as its status says.
bool ignores(const QProcess &process, int signalNumber)
{
    for (const QByteArray &line : readAll(QStringLiteral("/proc/%1/status").arg(process.processId())).split('\n')) {
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    }
    return false;
}

void startOffscreen(QProcess &process, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
}

// The counts that save_stress saves: A, and with `b` B.
RuneStock stressCounts(bool b = false)
{
    RuneStock stock;
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        stock.set(i, b ? -i * 7777777 : i * 1111);
    return stock;
}

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
    const RuneStock seven = stockOf({{0, 7}});
    for (const auto &[start, signalNumber] : {std::pair{Plain, SIGTERM}, {Plain, SIGINT}, {Plain, SIGHUP},
                                              {LockedElsewhere, SIGTERM}, {Unreadable, SIGINT}, {Unsavable, SIGTERM}}) {
        SCOPED_TRACE(start * 100 + signalNumber);
        QTemporaryDir folder;
        const auto path = [&folder](const char *name) { return folder.filePath(QString::fromLatin1(name)); };
        // Written the way no save writes it, so a rewrite shows.
        const QString seed = path(start == LockedElsewhere ? "save/runechecklist.lock" : "save/rune1.sav");
        if (start == Unreadable)
            ASSERT_TRUE(QDir().mkpath(seed));
        else if (start != Unsavable)
            writeAll(seed, start == LockedElsewhere ? lock : "7\n");
        QProcess program;
        if (start == Plain) {
            // The program itself, copied into the folder: its save folder goes
            // beside it. The lock is taken once the quit signals are handled.
            ASSERT_TRUE(QFile::copy(QStringLiteral(RCL_PROGRAM_PATH), path("runechecklist")));
            startOffscreen(program, path("runechecklist"), {});
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path("save/runechecklist.lock")); }, 10000));
        } else {
            program.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
            startOffscreen(program, QStringLiteral(RCL_DRIVER_PATH), {QStringLiteral("click"), folder.path()});
            if (start == Unsavable) {
                ASSERT_EQ(nextLine(program), "opened");
                ASSERT_TRUE(QDir().mkpath(seed));
                program.write("\n");
                ASSERT_EQ(nextLine(program), "clicked");
            } else {
                ASSERT_TRUE(nextLine(program).startsWith("asking: "));
            }
            EXPECT_TRUE(ignores(program, SIGHUP));
            ::kill(pid_t(program.processId()), SIGHUP);
        }
        ::kill(pid_t(program.processId()), signalNumber);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), start == Unsavable ? 1 : 0);
        EXPECT_EQ(readAll(path("save/runechecklist.lock")), start == LockedElsewhere ? lock : QByteArray());
        EXPECT_EQ(readAll(path("save/rune1.sav")), start == Plain ? formatSaveFile(seven) : QByteArray());
        EXPECT_EQ(QFileInfo(path("save/rune1.sav")).isDir(), start == Unreadable || start == Unsavable);
    }
}

// A save is whole or nothing where the folder takes a new file: a write cut
// short (a file size limit fails it as a full disk does, whatever rights the
// test has) leaves the old file. Where the folder takes no new file but the
// file may be written (a folder of another user; folder rights do not hold
// for root, so the save then runs as nobody), the file is rewritten in place.
TEST(ProcessEnd, saveIsWholeOrRewrittenInPlace)
{
    for (const bool folderTakesNoFile : {false, true}) {
        SCOPED_TRACE(folderTakesNoFile);
        QTemporaryDir dir;
        const StockFiles files(dir.path());
        writeAll(files.saveFilePath(1), "1\n");
        constexpr auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
            | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        constexpr auto writable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        ASSERT_TRUE(QFile::setPermissions(dir.path(), readable) && QFile::setPermissions(files.saveFilePath(1), readable | writable));
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
        EXPECT_EQ(readAll(files.saveFilePath(1)), folderTakesNoFile ? formatSaveFile(stressCounts()) : QByteArray("1\n"));
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
    const QByteArray wholeA = formatSaveFile(stressCounts());
    const QByteArray wholeB = formatSaveFile(stressCounts(true));

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

// Killed once the autosave has written a change, the program keeps it, whole.
TEST(ProcessEnd, killedAfterTheAutosaveKeepsTheChange)
{
    QTemporaryDir dir;
    QProcess program;
    startOffscreen(program, QStringLiteral(RCL_DRIVER_PATH), {QStringLiteral("click"), dir.path()});
    ASSERT_EQ(nextLine(program), "opened");
    program.write("\n");
    ASSERT_EQ(nextLine(program), "clicked");
    const QString saved = dir.filePath(QStringLiteral("save/rune1.sav"));
    const QByteArray changed = formatSaveFile(stockOf({{9, 1}}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readAll(saved) == changed; }, 20000));
    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(readAll(saved), changed);
}

// Random use from a seed, ended by SIGKILL, SIGTERM or closing the window,
// then started again in the same folder. Every save file holds counts that
// its group showed since its last known save (leaving the group, closing, a
// quit signal, the file found at the start), after a quit signal or a close
// the counts it showed last, and a group shows what its file holds when it is
// entered; the same for the group names. RCL_SOAK_SEED and RCL_SOAK_SECONDS
// (1 and 30 unless set) choose the run.
TEST(Soak, randomUseLosesNoSavedCount)
{
    const quint32 seed = qEnvironmentVariable("RCL_SOAK_SEED", QStringLiteral("1")).toUInt();
    const qint64 seconds = qEnvironmentVariable("RCL_SOAK_SECONDS", QStringLiteral("30")).toLongLong();
    std::mt19937 random(seed);
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    QTemporaryDir dir;
    const StockFiles files(dir.path());
    // Each group's counts and names since its last known save, the first of
    // them on disk.
    std::array<QList<RuneStock>, GroupCount> counts;
    std::array<QStringList, GroupCount> names;
    counts.fill({RuneStock()});
    names.fill({QString()});
    int current = -1;
    const auto follow = [&](const QByteArray &line) {
        const QList<QByteArray> words = line.split(' ');
        const bool state = words[0] == "state" && words.size() > 35;
        ASSERT_TRUE(state || (current >= 0 && (words[0] == "renaming" || line == "closed"))) << line.constData();
        if (words[0] == "renaming") {
            names[current].append(QString::fromUtf8(line.mid(9)));
            return;
        }
        if (line == "closed") {
            counts[current] = {counts[current].back()};
            return;
        }
        const int group = words[1].toInt() - 1;
        ASSERT_TRUE(group >= 0 && group < GroupCount) << line.constData();
        RuneStock shown;
        for (int i = 0; i < RuneCatalogue::Count; ++i)
            shown.set(i, words[2 + i].toInt());
        if (group != current) {
            // The group left was saved.
            if (current >= 0)
                counts[current] = {counts[current].back()};
            EXPECT_TRUE(shown == counts[group].back()) << "group " << group + 1 << " entered with other counts";
            current = group;
        } else if (shown != counts[group].back()) {
            counts[group].append(shown);
        }
        const QString name = QString::fromUtf8(words.mid(35).join(' '));
        EXPECT_EQ(name, names[group].back());
        names[group] = {name};
    };

    enum End { Kill, Term, Close };
    int ends[3] = {};
    int run = 0;
    // Files found newer than their group's last known save: autosaves.
    int newer = 0;
    QElapsedTimer clock;
    clock.start();
    for (; clock.elapsed() < seconds * 1000 && !HasFailure(); ++run) {
        SCOPED_TRACE(QStringLiteral("seed %1, run %2").arg(seed).arg(run).toStdString());
        const End end = End(pick(3));
        const int actions = pick(40);
        QStringList arguments = {QStringLiteral("soak"), dir.path(), QString::number(random())};
        if (end == Close)
            arguments.append(QString::number(actions));
        QProcess driver;
        startOffscreen(driver, QStringLiteral(RCL_DRIVER_PATH), arguments);
        current = -1;
        for (int states = 0;;) {
            const QByteArray line = nextLine(driver);
            ASSERT_FALSE(line.isEmpty() || line.startsWith("asking: ")) << line.constData();
            follow(line);
            if (line == "closed")
                break;
            if (end != Close && line.startsWith("state ") && states++ == actions) {
                ::kill(pid_t(driver.processId()), end == Kill ? SIGKILL : SIGTERM);
                break;
            }
        }
        ASSERT_TRUE(driver.waitForFinished(10000));
        while (driver.canReadLine())
            follow(driver.readLine().chopped(1));
        if (end != Kill) {
            EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(driver.exitCode(), 0);
            counts[current] = {counts[current].back()};
        }
        ++ends[end];
        for (int group = 0; group < GroupCount; ++group) {
            const QString path = files.saveFilePath(group + 1);
            const QByteArray content = readAll(path);
            const auto held = std::find_if(counts[group].cbegin(), counts[group].cend(), [&](const RuneStock &shown) {
                return QFile::exists(path) ? content == formatSaveFile(shown) : shown == RuneStock();
            });
            EXPECT_TRUE(held != counts[group].cend()) << "group " << group + 1 << " holds:\n" << content.constData();
            newer += held != counts[group].cbegin() && held != counts[group].cend();
            counts[group] = {held != counts[group].cend() ? *held : parseSaveFile(content)};
            const QString name = files.LoadGroupName(group + 1);
            EXPECT_TRUE(names[group].contains(name)) << "group " << group + 1 << " named " << name.toStdString();
            names[group] = {name};
        }
    }
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("runs", run);
    std::printf("seed %u: %d runs in %lld s, %d killed, %d terminated, %d closed; %d files autosaved before a kill\n",
                seed, run, clock.elapsed() / 1000, ends[Kill], ends[Term], ends[Close], newer);
}
