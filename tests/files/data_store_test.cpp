// The names and statistics files as the program keeps them, and under
// faults of the system: a folder that cannot be written, a full disk, files
// deleted while the program runs, and the program killed in the middle of a
// save. The faults that need limits, lost privileges or kills run in a
// forked child, so that these stay there.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "files/data_files.h"
#include "files/data_store.h"
#include "files/file_io.h"

namespace {

// The save's last step, rename, is taken from libc here, so a child can be
// killed exactly before or after it. 0: rename as usual.
enum class Cut { None, BeforeRename, AfterRename };
volatile Cut cutAt = Cut::None;

}  // namespace

extern "C" int rename(const char* from, const char* to)
{
    if (cutAt == Cut::BeforeRename)
        raise(SIGKILL);
    const int result = static_cast<int>(syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
    if (cutAt == Cut::AfterRename)
        raise(SIGKILL);
    return result;
}

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Child {
    int status = 0;
    std::string output;
    bool exited() const { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }
    bool killed() const { return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL; }
};

// Runs `body` in a child process; what it appends to its text comes back.
Child inChild(const std::function<void(std::string&)>& body)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {-1, "no pipe"};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        std::string out;
        body(out);
        const ssize_t n = write(pipeFds[1], out.data(), out.size());
        _exit(n == static_cast<ssize_t>(out.size()) ? 0 : 3);
    }
    close(pipeFds[1]);
    Child c;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        c.output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    waitpid(pid, &c.status, 0);
    return c;
}

// Root writes into any folder; the child gives up root to feel the modes.
bool dropRoot()
{
    return getuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

std::string text(const Statistics& s) { return std::to_string(s.gamesWon) + "/" + std::to_string(s.gamesPlayed); }

class DataStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "corvane-data-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        // A child without root must reach the folder.
        fs::permissions(m_root, fs::perms(0755));
        m_folder = dir("program");
        fs::permissions(m_folder, fs::perms(0777));
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }

    fs::path dir(const std::string& name = "program")
    {
        fs::create_directories(m_root / name);
        return m_root / name;
    }
    static void put(const fs::path& file, std::string_view text) { std::ofstream(file, std::ios::binary) << text; }
    static std::string contents(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<std::string> filesIn(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> temporaries() const
    {
        std::vector<std::string> names;
        for (const std::string& n : filesIn(m_folder))
            if (n.find(".tmp-") != std::string::npos)
                names.push_back(n);
        return names;
    }

    fs::path m_root;
    fs::path m_folder;
};

// Statistics that cannot be are refused and write nothing either.
TEST_F(DataStoreTest, MissingFilesGiveDefaultsSilently)
{
    DataStore store(locateData(dir()));
    EXPECT_EQ(store.names(), defaultNames());
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(store.folder(), dir());
    EXPECT_NE(store.setStatistics({3, 2}), "");
    EXPECT_NE(store.setStatistics({-1, 2}), "");
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_TRUE(filesIn(dir()).empty());
}

TEST_F(DataStoreTest, ReadsBothFilesAndWritesEachChange)
{
    put(dir() / "Names2.dat", "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
    put(dir() / "Points.dat", "5,9\r\n");
    DataStore store(locateData(dir()));
    EXPECT_EQ(store.names()[South], "Ann");
    EXPECT_EQ(store.statistics(), (Statistics{5, 9}));

    // A refused name keeps the old one and the file.
    EXPECT_EQ(store.rename(South, "Ann\r\nBob"), "Names cannot contain double quotes or line breaks.");
    EXPECT_EQ(store.names()[South], "Ann");
    EXPECT_EQ(contents(dir() / "Names2.dat"), "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
    EXPECT_EQ(store.rename(West, "Max"), "");
    EXPECT_EQ(contents(dir() / "Names2.dat"), "\"Ann\",\"Max\",\"North Bot\",\"East Bot\"\r\n");
    EXPECT_EQ(store.rename(North, ""), "");  // a cancelled rename empties the name
    EXPECT_EQ(store.setStatistics({0, 0}), "");
    EXPECT_EQ(contents(dir() / "Points.dat"), "0,0\r\n");

    const DataStore again(locateData(dir()));
    EXPECT_EQ(again.names(), (Names{"", "Ann", "Max", "", "East Bot"}));
    EXPECT_EQ(again.statistics(), (Statistics{0, 0}));
    EXPECT_EQ(filesIn(dir()), (std::vector<std::string>{"Names2.dat", "Points.dat"}));  // no temporaries left
}

TEST_F(DataStoreTest, EmptyFilesGiveDefaultsWithANotice)
{
    put(dir() / "Names2.dat", "");
    put(dir() / "Points.dat", "\r\n");
    const DataStore store(locateData(dir()));
    EXPECT_EQ(store.names(), defaultNames());
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_EQ(store.notices(), (std::vector<std::string>{
                                   "Names2.dat is empty, so the default names are used.",
                                   "Points.dat is empty, so the statistics start at 0 won of 0.",
                               }));
}

// What the files hold cannot be (won > played for the statistics): the
// parse's own refusals are the data files' tests.
TEST_F(DataStoreTest, MalformedFilesAreKeptAsBackupsBeforeAnyWrite)
{
    put(dir() / "Names2.dat", "garbage\x01");
    put(dir() / "Points.dat", "12,5\r\n");
    DataStore store(locateData(dir()));
    EXPECT_EQ(store.names(), defaultNames());
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_EQ(store.notices(),
              (std::vector<std::string>{
                  "Names2.dat could not be read, so the default names are used. The old file was kept as "
                  "Names2.dat.bad.",
                  "Points.dat could not be read, so the statistics start at 0 won of 0. The old file was kept "
                  "as Points.dat.bad.",
              }));
    EXPECT_EQ(contents(dir() / "Names2.dat.bad"), "garbage\x01");
    EXPECT_EQ(store.setStatistics({1, 1}), "");
    EXPECT_EQ(contents(dir() / "Points.dat.bad"), "12,5\r\n");
    EXPECT_EQ(contents(dir() / "Points.dat"), "1,1\r\n");
}

TEST_F(DataStoreTest, UnreadableFileIsMovedAsideToo)
{
    fs::create_directory(dir() / "Points.dat");
    DataStore store(locateData(dir()));
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_TRUE(fs::is_directory(dir() / "Points.dat.bad"));
    EXPECT_EQ(store.setStatistics({0, 1}), "");
    EXPECT_EQ(contents(dir() / "Points.dat"), "0,1\r\n");
}

TEST_F(DataStoreTest, BackupNeverReplacesAnEarlierBackup)
{
    put(dir() / "Points.dat.bad", "first");
    put(dir() / "Points.dat.bad.2", "second");
    put(dir() / "Points.dat", "third");
    const DataStore store(locateData(dir()));
    EXPECT_EQ(contents(dir() / "Points.dat.bad"), "first");
    EXPECT_EQ(contents(dir() / "Points.dat.bad.2"), "second");
    EXPECT_EQ(contents(dir() / "Points.dat.bad.3"), "third");
    EXPECT_FALSE(fs::exists(dir() / "Points.dat"));
    ASSERT_EQ(store.notices().size(), 1U);
    EXPECT_NE(store.notices()[0].find("kept as Points.dat.bad.3."), std::string::npos);
}

TEST_F(DataStoreTest, FailedWriteIsReportedAndLeavesNoTemporary)
{
    DataStore store(forcedDataLocation(dir()));
    fs::create_directory(dir() / "Points.dat");  // the file's name is taken by a folder
    const std::string error = store.setStatistics({1, 2});
    EXPECT_EQ(error.rfind("Could not save Points.dat: ", 0), 0U) << error;
    EXPECT_EQ(store.statistics(), (Statistics{1, 2}));  // kept for this run
    EXPECT_EQ(filesIn(dir()), (std::vector<std::string>{"Points.dat"}));
    EXPECT_TRUE(fs::is_directory(dir() / "Points.dat"));
}

TEST_F(DataStoreTest, WrittenFileKeepsTheOldPermissions)
{
    put(dir() / "Points.dat", "1,2\r\n");
    fs::permissions(dir() / "Points.dat", fs::perms(0640));
    DataStore store(forcedDataLocation(dir()));
    EXPECT_EQ(store.setStatistics({2, 3}), "");
    EXPECT_EQ(fs::status(dir() / "Points.dat").permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(store.rename(South, "Ann"), "");
    EXPECT_EQ(fs::status(dir() / "Names2.dat").permissions() & fs::perms::all, fs::perms(0644));
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : m_name(name)
    {
        if (const char* v = std::getenv(name))
            m_old = v;
    }
    ~EnvironmentGuard()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST_F(DataStoreTest, UnwritableProgramFolderFallsBackToTheUserFolder)
{
    EnvironmentGuard xdg("XDG_DATA_HOME");
    EnvironmentGuard home("HOME");
    put(m_root / "file", "");
    const fs::path unwritable = m_root / "file" / "program";  // under a file: nobody can create it

    setenv("XDG_DATA_HOME", (m_root / "xdg").c_str(), 1);
    EXPECT_EQ(userDataFolder(), m_root / "xdg" / "corvane");
    const DataLocation where = locateData(unwritable);
    EXPECT_EQ(where.writeFolder, m_root / "xdg" / "corvane");
    EXPECT_EQ(where.notice, "The program's folder cannot be written, so names and statistics are kept in " +
                                (m_root / "xdg" / "corvane").string() + ".");
    {
        DataStore store(where);
        EXPECT_EQ(store.notices(), std::vector<std::string>{where.notice});
        EXPECT_EQ(store.setStatistics({1, 1}), "");
    }
    EXPECT_EQ(contents(m_root / "xdg" / "corvane" / "Points.dat"), "1,1\r\n");
    EXPECT_EQ(DataStore(locateData(unwritable)).statistics(), (Statistics{1, 1}));

    setenv("HOME", (m_root / "home").c_str(), 1);
    for (const char* ignored : {"", "relative/path"}) {
        setenv("XDG_DATA_HOME", ignored, 1);
        EXPECT_EQ(userDataFolder(), m_root / "home" / ".local" / "share" / "corvane") << ignored;
    }
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(locateData(unwritable).writeFolder, m_root / "home" / ".local" / "share" / "corvane");
    EXPECT_TRUE(fs::is_directory(m_root / "home" / ".local" / "share" / "corvane"));
}

TEST_F(DataStoreTest, ForcedFolderIsCreatedAndUsedAlone)
{
    const fs::path forced = m_root / "given" / "data";
    const DataLocation where = forcedDataLocation(forced);
    EXPECT_TRUE(fs::is_directory(forced));
    EXPECT_EQ(where.writeFolder, forced);
    EXPECT_EQ(where.readFolders, std::vector<fs::path>{forced});
    EXPECT_EQ(where.notice, "");
}

TEST_F(DataStoreTest, ReadOnlyFolderTellsEveryFailedSaveAndKeepsTheFiles)
{
    const std::string names = "\"Ann\",\"W\",\"N\",\"E\"\r\n";
    put(m_folder / NamesFile, names);
    put(m_folder / StatisticsFile, "5,9\r\n");
    fs::permissions(m_folder, fs::perms(0555));
    const Child c = inChild([&](std::string& out) {
        if (!dropRoot() || isWritableFolder(m_folder)) {
            out = "cannot make a read-only folder";
            return;
        }
        out = "uid " + std::to_string(getuid()) + "\n";
        DataStore store(forcedDataLocation(m_folder));
        for (const std::string& n : store.notices())
            out += n + "\n";
        out += store.names()[South] + " " + text(store.statistics()) + "\n";
        out += store.setStatistics({6, 10}) + "\n";
        out += store.rename(South, "Bea") + "\n";
        out += store.names()[South] + " " + text(store.statistics()) + "\n";
    });
    ASSERT_TRUE(c.exited()) << c.output;
    // Run by root, the child gave root up: say who tried, to show it ran.
    const std::string who = c.output.substr(0, c.output.find('\n'));
    std::printf("read-only folder tried as %s (the test runs as uid %d)\n", who.c_str(), static_cast<int>(getuid()));
    EXPECT_EQ(c.output, "uid " + std::to_string(getuid() == 0 ? 65534 : getuid()) + "\n" + m_folder.string() +
                            " cannot be written, so names and statistics will not be saved.\n"
                            "Ann 5/9\n"
                            "Could not save Points.dat: Permission denied.\n"
                            "Could not save Names2.dat: Permission denied.\n"
                            "Bea 6/10\n");
    EXPECT_EQ(contents(m_folder / StatisticsFile), "5,9\r\n");
    EXPECT_EQ(contents(m_folder / NamesFile), names);
    EXPECT_EQ(filesIn(m_folder), (std::vector<std::string>{"Names2.dat", "Points.dat"}));
}

// A file the person cannot read is kept aside, never written over.
TEST_F(DataStoreTest, UnreadableFileIsKeptAsideAndTheNewOneSaved)
{
    put(m_folder / StatisticsFile, "5,9\r\n");
    fs::permissions(m_folder / StatisticsFile, fs::perms(0200));
    const Child c = inChild([&](std::string& out) {
        if (!dropRoot()) {
            out = "cannot drop root";
            return;
        }
        DataStore store(forcedDataLocation(m_folder));
        for (const std::string& n : store.notices())
            out += n + "\n";
        out += text(store.statistics()) + "\n";
        out += store.setStatistics({0, 1});
    });
    ASSERT_TRUE(c.exited()) << c.output;
    EXPECT_EQ(c.output, "Points.dat could not be read, so the statistics start at 0 won of 0. "
                        "The old file was kept as Points.dat.bad.\n0/0\n");
    EXPECT_EQ(contents(m_folder / "Points.dat.bad"), "5,9\r\n");
    EXPECT_EQ(DataStore(forcedDataLocation(m_folder)).statistics(), (Statistics{0, 1}));
}

// A full disk, as a file size limit: nothing can be written (0 bytes), or
// the write stops part of the way (3 bytes, a partial write first).
TEST_F(DataStoreTest, FullDiskFailsTheSaveAndTheNextChangeSavesEverything)
{
    for (const rlim_t limit : {rlim_t{0}, rlim_t{3}}) {
        fs::remove_all(m_folder);
        fs::create_directory(m_folder);
        const Child c = inChild([&](std::string& out) {
            signal(SIGXFSZ, SIG_IGN);
            DataStore store(forcedDataLocation(m_folder));
            out += store.setStatistics({1, 1}) + "|";
            out += store.rename(West, "Max") + "\n";
            rlimit r{};
            getrlimit(RLIMIT_FSIZE, &r);
            const rlim_t unlimited = r.rlim_cur;
            r.rlim_cur = limit;
            setrlimit(RLIMIT_FSIZE, &r);
            out += store.setStatistics({1, 2}) + "|";
            out += store.rename(West, "Mia") + "\n";
            out += contents(m_folder / StatisticsFile) + contents(m_folder / NamesFile);
            out += std::to_string(temporaries().size()) + "\n";
            r.rlim_cur = unlimited;
            setrlimit(RLIMIT_FSIZE, &r);
            out += store.rename(North, "Nia") + "|";
            out += store.setStatistics({2, 3}) + "\n";
        });
        ASSERT_TRUE(c.exited()) << c.output;
        EXPECT_EQ(c.output, "|\n"
                            "Could not save Points.dat: File too large.|Could not save Names2.dat: File too large.\n"
                            "1,1\r\n\"Player\",\"Max\",\"North Bot\",\"East Bot\"\r\n"
                            "0\n"
                            "|\n")
            << "limit " << limit;
        // What failed was kept and went out with the next change.
        const DataStore again(forcedDataLocation(m_folder));
        EXPECT_EQ(again.names(), (Names{"", "Player", "Mia", "Nia", "East Bot"}));
        EXPECT_EQ(again.statistics(), (Statistics{2, 3}));
        EXPECT_TRUE(again.notices().empty());
        EXPECT_TRUE(temporaries().empty());
    }
}

// Killed between the flushed temporary and the rename, the old file is
// whole; killed just after, the new one is.
TEST_F(DataStoreTest, KilledAroundTheRenameLeavesTheOldOrTheNewFile)
{
    for (const Cut cut : {Cut::BeforeRename, Cut::AfterRename}) {
        fs::remove_all(m_folder);
        fs::create_directory(m_folder);
        put(m_folder / StatisticsFile, "5,9\r\n");
        const Child c = inChild([&](std::string& out) {
            DataStore store(forcedDataLocation(m_folder));
            cutAt = cut;
            out = store.setStatistics({7, 10});
        });
        ASSERT_TRUE(c.killed()) << c.output;
        if (cut == Cut::BeforeRename) {
            EXPECT_EQ(contents(m_folder / StatisticsFile), "5,9\r\n");
            const std::vector<std::string> left = temporaries();
            ASSERT_EQ(left.size(), 1U);
            EXPECT_EQ(contents(m_folder / left[0]), "7,10\r\n");  // written whole before the cut
        } else {
            EXPECT_EQ(contents(m_folder / StatisticsFile), "7,10\r\n");
            EXPECT_TRUE(temporaries().empty());
        }
        const DataStore again(forcedDataLocation(m_folder));
        EXPECT_TRUE(again.notices().empty());
        EXPECT_EQ(again.statistics(), cut == Cut::BeforeRename ? (Statistics{5, 9}) : (Statistics{7, 10}));
    }
}

TEST_F(DataStoreTest, OnlyOldTemporariesOfTheDataFilesAreCleared)
{
    const auto age = [&](const char* name, std::chrono::minutes old) {
        put(m_folder / name, "x");
        fs::last_write_time(m_folder / name, fs::file_time_type::clock::now() - old);
    };
    age("Points.dat.tmp-a1B2c3", std::chrono::minutes(2));
    age("Names2.dat.tmp-Zz9yY8", std::chrono::minutes(60));
    age("Points.dat.tmp-fresh1", std::chrono::minutes(0));  // a save of another run, in progress
    age("Points.dat.tmp-toolong", std::chrono::minutes(60));
    age("Other.dat.tmp-a1B2c3", std::chrono::minutes(60));
    fs::create_directory(m_folder / "Names2.dat.tmp-folder");
    fs::last_write_time(m_folder / "Names2.dat.tmp-folder", fs::file_time_type::clock::now() - std::chrono::hours(1));
    const DataStore store(forcedDataLocation(m_folder));
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(filesIn(m_folder), (std::vector<std::string>{"Names2.dat.tmp-folder", "Other.dat.tmp-a1B2c3",
                                                 "Points.dat.tmp-fresh1", "Points.dat.tmp-toolong"}));
}

}  // namespace
}  // namespace corvane
