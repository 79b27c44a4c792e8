#include "stock/csvtable.h"
#include "stock/datalocation.h"
#include "stock/decimalnumber.h"
#include "stock/filewriter.h"
#include "stock/groupstore.h"
#include "stock/quantitytext.h"
#include "stock/settings.h"
#include "stock/shiftjis.h"
#include "stock/stockfiles.h"
#include "testfiles.h"
#ifdef Q_OS_WIN
#include "unsharedfile.h"
#endif

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

using namespace rcl;

namespace {

constexpr qint32 Max = std::numeric_limits<qint32>::max();
constexpr qint32 Min = std::numeric_limits<qint32>::min();

} // namespace

TEST(QuantityText, parsesAndRoundsLikeTheFilesNeed)
{
    const std::pair<const char *, std::optional<qint32>> rows[] = {
        {" 0 ", 0},          {" 12 ", 12},         {"-3 ", -3},          {"7", 7},
        {"   7    ", 7},     {"\t7\t", 7},         {"+5", 5},            {"2.5", 2},
        {"3.5", 4},          {"-2.5", -2},         {"0.5", 0},           {"1.5", 2},
        {"2.51", 3},         {"2.4999", 2},        {".5", 0},            {"5.", 5},
        {"2147483647", Max}, {"-2147483648", Min}, {"2147483646.5", 2147483646},
        {"", std::nullopt},  {"   ", std::nullopt}, {"abc", std::nullopt}, {"7a", std::nullopt},
        {"1 2", std::nullopt}, {".", std::nullopt}, {"-", std::nullopt}, {"1e", std::nullopt},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"2147483647.5", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        // Hexadecimal and octal up to 32 bits are a signed 32-bit pattern.
        {"&H10", 16},        {" &hff& ", 255},     {"&O17", 15},         {"&HFFFFFFFF", -1},
        {"&H80000000", Min}, {"&H100000000", std::nullopt}, {"&H", std::nullopt}, {"&HG", std::nullopt},
        {"&O8", std::nullopt}, {"-&H1", std::nullopt}, {"&H1&&", std::nullopt},
        {"1E3", 1000},       {"1.5e1", 15},        {"25e-1", 2},         {"3.5E+0", 4},
        {"-2.5e0", -2},      {"1e-999", 0},        {"2.147483647e9", Max}, {"1e10", std::nullopt},
        {"e3", std::nullopt}, {"1e+", std::nullopt},
    };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(parseQuantity(text), expected) << '"' << text << '"';

    // The count on a rune's picture stays within four characters, which is
    // all its corner holds.
    const std::pair<qint32, const char *> badges[] = {
        {0, "0"}, {12, "12"}, {-3, "-3"}, {9999, "9999"}, {10000, "10k+"}, {Max, "10k+"}, {-999, "-999"},
        {-1000, "<-1k"}, {Min, "<-1k"},
    };
    for (const auto &[quantity, expected] : badges)
        EXPECT_EQ(countBadgeText(quantity), QString::fromLatin1(expected)) << quantity;

    // Halves round to even after the readers' own arithmetic too: a rune
    // entry less one, a level of twice the rune number plus three.
    const std::tuple<const char *, qint32, qint32, std::optional<qint32>> sums[] = {
        {"8", 1, -1, 7},     {"1.5", 1, -1, 0},          {"2.5", 1, -1, 2},          {"0.5", 1, -1, 0},
        {"-0.5", 1, -1, -2}, {"1.5000000001", 1, -1, 1}, {"1.4999999999", 1, -1, 0}, {"33.4", 1, -1, 32},
        {"33", 2, 3, 69},    {"5.25", 2, 3, 14},         {"5.75", 2, 3, 14},
    };
    for (const auto &[text, times, plus, rounded] : sums)
        EXPECT_EQ(DecimalNumber::parse(QByteArrayView(text))->times(times).plus(plus).rounded(), rounded) << text;
    EXPECT_EQ(DecimalNumber::parse(QByteArrayView("4.9999999999"))->compare(5), -1);
    EXPECT_EQ(DecimalNumber::parse(QByteArrayView("99999999999"))->compare(5), 1);
    EXPECT_FALSE(DecimalNumber::parse(QStringView(u"１")));
}

TEST(SaveFile, bytesAreExactlyAsStoredAndReadLineByLine)
{
    const QByteArray content = formatSaveFile(stockOf({{1, 12}, {2, -3}}));
    EXPECT_EQ(content.left(16), QByteArray::fromHex("2030200D0A" "203132200D0A" "2D33200D0A"));
    EXPECT_TRUE(content.endsWith("\r\n 0 \r\n"));
    EXPECT_EQ(formatQuantity(Min), "-2147483648 ");

    // Each line is its rune's count; a damaged line reads 0, runes after the
    // last line read 0 (the last line is not repeated), lines past 33 are not
    // read, and every line end counts.
    EXPECT_EQ(parseSaveFile("4\n\nlots\r2.5\r\n3.5\n 6 \r\n"), stockOf({{0, 4}, {3, 2}, {4, 4}, {5, 6}}));
    QByteArray longFile;
    for (int i = 0; i < 40; ++i)
        longFile += QByteArray::number(i + 1) + "\r\n";
    EXPECT_EQ(parseSaveFile(longFile).at(32), 33);
}

// Group names are stored in Shift-JIS or not at all. Bytes read the same with
// Qt's converter and with the system's (Windows): each character where it is,
// and where it is not, U+001A for a byte out of place (a lead byte alone,
// only that byte), U+FFFD for an unassigned pair, nothing for a lead byte at
// the end.
TEST(ShiftJis, namesEncodeAndBytesReadTheSameOnEverySystem)
{
    const std::pair<const char16_t *, std::optional<QByteArray>> names[] = {
        {u"ABCD", "ABCD"}, {u"   ", "   "}, {u"メイン～", "\x83\x81\x83\x43\x83\x93\x81\x60"}, {u"ｱ", "\xB1"},
        // The same symbols as other platforms' input methods type them.
        {u"\u301C\u2212\u2016\u00A2\u00A3\u00AC\u2014", "\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA\x81\x5C"},
        {u"café", std::nullopt}, {u"€uro", std::nullopt}, {u"a\nb", std::nullopt}, {u"a\rb", std::nullopt},
        // Never a look-alike: the yen sign is not the backslash's byte, nor are
        // the code points that some systems give the code page's unassigned
        // single bytes.
        {u"\u00A5", std::nullopt}, {u"\u0080", std::nullopt}, {u"\uF8F0", std::nullopt}, {u"\U0001F600", std::nullopt},
        // Of two codes for a character, the one that Windows writes.
        {u"\u7E8A\u2252\u2460\u2170\uE000", "\xFA\x5C\x81\xE0\x87\x40\xFA\x40\xF0\x40"},
    };
    for (const auto &[name, stored] : names)
        EXPECT_EQ(encodeGroupName(QString::fromUtf16(name)), stored) << QString::fromUtf16(name).toStdString();

    const std::tuple<QByteArray, const char16_t *, bool> bytes[] = {
        {"\x83\x8B\x81\x5B\x83\x93\x88\x9F", u"ルーン亜", true},
        {"\x81\x60\x81\x5C\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA", u"\uFF5E\u2015\u2225\uFF0D\uFFE0\uFFE1\uFFE2", true},
        {"\xB1\xB2\xDF A", u"ｱｲﾟ A", true},
        {"\x87\x40\xED\x40\xFA\x40\xF0\x40", u"\u2460\u7E8A\u2170\uE000", true},
        {"A\x81", u"A", false},
        {"\x81\x20\x82\xA0", u"\u001A \u3042", false},
        {"\x85\x40\xEB\x40", u"\uFFFD\uFFFD", false},
        {"\x80\xA0\xFD\xFE\xFF", u"\u001A\u001A\u001A\u001A\u001A", false},
        {"\x82\xA0\xFF\x82\xA0\r\n", u"\u3042\u001A\u3042\r\n", false},
    };
    for (const auto &[read, text, valid] : bytes) {
        SCOPED_TRACE(read.toHex(' ').toStdString());
        EXPECT_EQ(shiftjis::decode(read), QString::fromUtf16(text));
        EXPECT_EQ(shiftjis::isValid(read), valid);
    }
}

// A file that is there but cannot be read is a failure, never a short or
// empty file, and it is left as it is: a folder in its place, and on POSIX
// systems an I/O error in the middle of reading (what /proc/self/mem gives at
// address 0) and a link to nothing; on Windows a file that another program
// holds open without sharing it.
TEST(StockFiles, unreadableFilesAreFailuresNotEmptyFiles)
{
#ifdef Q_OS_WIN
    constexpr int Kinds = 2;
    std::vector<std::unique_ptr<UnsharedFile>> held;
    const auto makeUnreadable = [&held](const QString &path, int kind) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (kind == 0)
            return QDir().mkpath(path);
        held.push_back(std::make_unique<UnsharedFile>(path));
        return held.back()->isOpen();
    };
#else
    constexpr int Kinds = 3;
    const auto makeUnreadable = [](const QString &path, int kind) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        return kind == 0 ? QDir().mkpath(path)
                         : QFile::link(kind == 1 ? QStringLiteral("/proc/self/mem") : path + QStringLiteral(".gone"), path);
    };
#endif
    const auto plainFile = [](const QString &path) {
        const QFileInfo info(path);
        return std::pair{info.isFile() && !info.isSymLink(), info.size()};
    };
    for (int kind = 0; kind < Kinds; ++kind) {
        SCOPED_TRACE(kind);
        QTemporaryDir folder;
        const StockFiles stock(folder.path());
        ASSERT_TRUE(makeUnreadable(stock.saveFilePath(1), kind));
        RuneStock counts = stockOf({{3, 3}});
        const FileResult loaded = stock.LoadRuneStock(counts, 1);
        EXPECT_TRUE(!loaded.ok && !loaded.reason.isEmpty());
        EXPECT_EQ(counts, RuneStock());

        ASSERT_TRUE(makeUnreadable(stock.groupNamesPath(), kind));
        const auto before = plainFile(stock.groupNamesPath());
        EXPECT_FALSE(stock.renameGroup(1, "x").ok);
        EXPECT_EQ(plainFile(stock.groupNamesPath()), before);
    }
}

// Installed only beside the shared folder and without portable files. The
// program's folder ends in exactly one slash, and its files are named
// without a second one.
TEST(DataLocation, installedOnlyBesideTheSharedFolderAndWithoutPortableFiles)
{
    EXPECT_TRUE(AppDirectory().endsWith(u'/') && !AppDirectory().endsWith(QStringLiteral("//")));
    EXPECT_EQ(StockFiles(QStringLiteral("/")).saveFilePath(1), QStringLiteral("/save/rune1.sav"));
    // The shared folder: a folder, none, or a file in its place.
    enum Shared { Folder, None, File };
    const std::tuple<const char *, Shared, bool> rows[] = {
        {"", Folder, true}, {"rune.dat", Folder, false}, {"save/", Folder, false}, {"", None, false}, {"", File, false}};
    for (const auto &[besideProgram, sharedFolder, installed] : rows) {
        QTemporaryDir prefix;
        const QString program = prefix.filePath(QStringLiteral("bin"));
        const QString mark = program + u'/' + QString::fromLatin1(besideProgram);
        mark.endsWith(u'/') ? void(QDir().mkpath(mark)) : writeAll(mark, "");
        const QString shared = prefix.filePath(QStringLiteral("share/runechecklist"));
        sharedFolder == Folder ? void(QDir().mkpath(shared)) : sharedFolder == File ? writeAll(shared, "") : void();
        const DataLocation location = chooseDataLocation(program, QStringLiteral("/home/user/data"));
        EXPECT_EQ(location.installed(), installed) << besideProgram << sharedFolder;
        EXPECT_EQ(location.directory, installed ? QStringLiteral("/home/user/data") : program);
    }
}

// A newer package's files replace the copies the user never edited, and only
// those; an edited copy is kept and the newer file is pointed out.
TEST(DataLocation, shippedFilesReplaceOnlyCopiesNeverEdited)
{
    QTemporaryDir shipped;
    QTemporaryDir home;
    const DataLocation location{home.filePath(QStringLiteral("runechecklist")), shipped.path()};
    const auto shippedFile = [&](const char *name) { return shipped.filePath(QString::fromLatin1(name)); };
    const auto userFile = [&](const char *name) { return location.directory + u'/' + QString::fromLatin1(name); };
    const auto hash = [](const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); };
    const QSet<QByteArray> earlier{hash("rune.dat 1"), hash("runename.dat 1"), hash("rune_ja.dat 1"),
                                   hash("runename_ja.dat 1")};
    Settings settings{QString()};
    const auto notices = [&] {
        QStringList files;
        for (const ShippedNotice &notice : newerShippedFiles(location, settings, earlier))
            files.append(notice.file + (notice.text.contains(QDir::toNativeSeparators(shipped.path())) ? QString() : QStringLiteral(" (where?)")));
        return files;
    };

    // The English pair and the Japanese one.
    const char *const names[] = {"rune.dat", "runename.dat", "rune_ja.dat", "runename_ja.dat"};
    for (const char *name : names)
        writeAll(shippedFile(name), QByteArray(name) + " 1");
    ASSERT_TRUE(updateShippedFiles(location, settings, earlier).ok);
    for (const char *name : names)
        EXPECT_EQ(readAll(userFile(name)), QByteArray(name) + " 1");
    writeAll(userFile("rune.dat"), "edited");
    ASSERT_TRUE(updateShippedFiles(location, settings, earlier).ok);
    EXPECT_EQ(readAll(userFile("rune.dat")), "edited");
    EXPECT_EQ(notices(), QStringList());

    // A newer package.
    for (const char *name : names)
        writeAll(shippedFile(name), QByteArray(name) + " 2");
    ASSERT_TRUE(updateShippedFiles(location, settings, earlier).ok);
    EXPECT_EQ(readAll(userFile("rune.dat")), "edited");
    for (const char *name : {"runename.dat", "rune_ja.dat", "runename_ja.dat"})
        EXPECT_EQ(readAll(userFile(name)), QByteArray(name) + " 2");
    EXPECT_EQ(notices(), QStringList{QStringLiteral("rune.dat")});

    // What is no plain file is the user's too, a link to a copy never edited
    // as well: the link and what it points to stay. A portable folder keeps
    // all.
    QFile::remove(userFile("runename.dat"));
    QDir().mkpath(userFile("runename.dat"));
    const QString linked = home.filePath(QStringLiteral("linked.dat"));
    writeAll(linked, "rune_ja.dat 1");
    QFile::remove(userFile("rune_ja.dat"));
    ASSERT_TRUE(QFile::link(linked, userFile("rune_ja.dat")));
    ASSERT_TRUE(updateShippedFiles(location, settings, earlier).ok);
    EXPECT_TRUE(QFileInfo(userFile("runename.dat")).isDir());
#ifndef Q_OS_WIN
    // A Windows shortcut is a file of its own.
    EXPECT_TRUE(QFileInfo(userFile("rune_ja.dat")).isSymLink());
#endif
    EXPECT_EQ(readAll(linked), "rune_ja.dat 1");
    writeAll(userFile("rune.dat"), "rune.dat 1");
    ASSERT_TRUE(updateShippedFiles({location.directory, {}}, settings, earlier).ok);
    EXPECT_EQ(readAll(userFile("rune.dat")), "rune.dat 1");

    QFile::remove(shippedFile("rune.dat"));
    QFile::remove(userFile("rune.dat"));
    EXPECT_FALSE(updateShippedFiles(location, settings, earlier).ok);
}

// The settings file never stops the program: each way it can fail leaves the
// defaults (or what could be read) in force, says so once, and never writes
// over what it could not read.
TEST(Settings, fileThatFailsKeepsDefaultsAndSaysSoOnce)
{
    using Key = Settings::Key;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("save/runechecklist.ini"));
    const QByteArray damaged = "[ShippedFiles]\nrune.dat=kept\n[General\n";
    writeAll(path, damaged);
    {
        Settings settings(path);
        EXPECT_EQ(settings.text(Key::ShippedRuneData), QStringLiteral("kept"));
        EXPECT_TRUE(settings.takeProblem().contains(QStringLiteral("damaged")));
        EXPECT_EQ(settings.takeProblem(), QString());
        EXPECT_EQ(readAll(path + QStringLiteral(".damaged")), damaged);
        settings.setValue(Key::ShippedRuneNames, QStringLiteral("x"));
    }
    EXPECT_EQ(Settings(path).takeProblem(), QString());

    // A value of another type, as a hand edit may leave, gives the default.
    writeAll(path, "[Planner]\nTab=1, 2\n");
    EXPECT_EQ(Settings(path).value(Key::PlannerTab), QVariant(0));

    // A folder in its place cannot be read: changes last for the run only.
    // (A file in the place of its folder: OptionsTest.optionsTakeEffectAtOnceAndAreKept.)
    const QString folder = dir.filePath(QStringLiteral("folder.ini"));
    QDir().mkpath(folder + QStringLiteral("/inside"));
    Settings settings(folder);
    settings.setValue(Key::ShippedRuneData, QStringLiteral("in memory"));
    EXPECT_EQ(settings.text(Key::ShippedRuneData), QStringLiteral("in memory"));
    EXPECT_FALSE(settings.takeProblem().isEmpty());
    settings.setValue(Key::ShippedRuneNames, QStringLiteral("y"));
    EXPECT_EQ(settings.takeProblem(), QString());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
}

// Numbers stay numbers; a text that a spreadsheet would run as a formula
// does not, and quoting follows RFC 4180.
TEST(CsvTable, numbersStayNumbersAndTextNeverRuns)
{
    const std::pair<QVariant, QByteArray> cells[] = {
        {-5, "-5"},
        {qint64(1) << 40, "1099511627776"},
        {QStringLiteral("-5"), "'-5"},
        {QStringLiteral("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\""},
        {QStringLiteral("+50% Enhanced Defense"), "'+50% Enhanced Defense"},
        {QStringLiteral("@SUM(A1)"), "'@SUM(A1)"},
        {QStringLiteral("\tx"), "'\tx"},
        {QStringLiteral("\rx"), "\"'\rx\""},
        {QStringLiteral("a=b-c"), "a=b-c"},
        {QStringLiteral("Ist, 2 Ral"), "\"Ist, 2 Ral\""},
        {QStringLiteral("two\nlines"), "\"two\nlines\""},
        {QStringLiteral("★ Zod"), "\xE2\x98\x85 Zod"},
        {QVariant(), ""},
    };
    for (const auto &[cell, field] : cells)
        EXPECT_EQ(csvTable({{cell, 1}}), "\xEF\xBB\xBF" + field + ",1\r\n") << cell.toString().toStdString();
    EXPECT_EQ(csvTable({{1}, {}, {2}}), "\xEF\xBB\xBF" "1\r\n\r\n2\r\n");
}

// The save rules of every occasion, one row each: what the group's file was
// (read; a folder that cannot be read, taken away once read so that only the
// rules keep it from being written; or none in a save folder that is a file),
// whether counts changed, the occasion and the user's
// consent to replace; then what became of the save and of the file.
TEST(GroupStore, eachOccasionSavesByTheSameRules)
{
    using Kind = SaveOutcome::Kind;
    enum class File { Read, Unreadable, Unwritable };
    const struct { File file; bool change; SaveOccasion occasion; bool replace; Kind expected; } rows[] = {
        {File::Read, false, SaveOccasion::Leaving, false, Kind::Saved},
        {File::Read, true, SaveOccasion::Autosave, false, Kind::Saved},
        {File::Read, false, SaveOccasion::Autosave, false, Kind::NothingLost},
        {File::Unreadable, false, SaveOccasion::Closing, false, Kind::NothingLost},
        {File::Unreadable, true, SaveOccasion::Leaving, false, Kind::AskToReplace},
        {File::Unreadable, true, SaveOccasion::Closing, true, Kind::Saved},
        {File::Unreadable, true, SaveOccasion::SessionEnd, true, Kind::Failed},
        {File::Unreadable, true, SaveOccasion::Autosave, true, Kind::Failed},
        {File::Unwritable, false, SaveOccasion::Closing, false, Kind::NothingLost},
        {File::Unwritable, true, SaveOccasion::Leaving, false, Kind::Failed},
        {File::Unwritable, true, SaveOccasion::Autosave, false, Kind::Failed},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(int(&row - rows));
        QTemporaryDir dir;
        const StockFiles files(dir.path());
        const QString path = files.saveFilePath(1);
        if (row.file == File::Read)
            writeAll(path, "5\r\n");
        else if (row.file == File::Unreadable)
            QDir().mkpath(path);
        else
            writeAll(files.saveDirectory(), "not a folder");
        GroupStore store(files);
        store.load(1);
        if (row.file == File::Unreadable)
            QDir().rmdir(path);
        if (row.change)
            store.counts().addOne(2);
        const SaveOutcome outcome = store.save(row.occasion, row.replace);
        EXPECT_EQ(outcome.kind, row.expected);
        EXPECT_EQ(outcome.kind != Kind::Failed && outcome.kind != Kind::AskToReplace, !store.changed());
        if (outcome.kind == Kind::Saved || row.file == File::Read)
            EXPECT_EQ(parseSaveFile(readAll(path)), store.counts());
        else
            EXPECT_FALSE(QFileInfo(path).isFile());
    }
}

// A rename into a folder is on disk only once the folder is: every whole-file
// write, a group's save or names as a table's export, and a change of the
// settings syncs its folder after it. A group's new name leaves the others byte for byte: line 2 is not
// valid Shift-JIS and line 5 ends in LF alone; neither is decoded or
// re-encoded on the way through.
TEST(StockFiles, everyWholeFileWriteSyncsItsFolder)
{
    QTemporaryDir dir;
    const StockFiles files(dir.path());
    const QByteArray lines[] = {"one", "\x82\xFF\x81", "  three  ", "\x83\x81\x83\x43\x83\x93", "five",
                                "6", "7", "8"};
    QByteArray before;
    for (const QByteArray &line : lines)
        before += line + (line == "five" ? "\n" : "\r\n");
    writeAll(files.groupNamesPath(), before);
    static QStringList synced;
    const FolderSync platform = replaceFolderSync([](const QString &folder) {
        synced.append(QDir(folder).canonicalPath());
        return true;
    });
    ASSERT_TRUE(files.SaveRuneStock(RuneStock(), 1).ok);
    ASSERT_TRUE(files.renameGroup(9, "nine").ok);
    ASSERT_TRUE(writeWholeFile(dir.filePath(QStringLiteral("table.csv")), "a,b\r\n").ok);
    Settings(dir.filePath(QStringLiteral("runechecklist.ini"))).setValue(Settings::Key::PlannerTab, 2);
    replaceFolderSync(platform);
    const QString saveFolder = QDir(files.saveDirectory()).canonicalPath();
    const QString folder = QDir(dir.path()).canonicalPath();
    EXPECT_EQ(synced, (QStringList{saveFolder, saveFolder, folder, folder}));
    // The platform's own sync: true for a folder, false where there is none.
    EXPECT_TRUE(platform(dir.path()));
#if defined(Q_OS_UNIX) || defined(Q_OS_WIN)
    EXPECT_FALSE(platform(dir.filePath(QStringLiteral("missing"))));
#endif
    QByteArray expected;
    for (const QByteArray &line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(readAll(files.groupNamesPath()), expected + "nine\r\n");
}
