// The names and statistics files under faults of the system: a folder that
// cannot be written, a full disk, files deleted while the program runs, and
// the program killed in the middle of a save. Each fault runs in a forked
// child, so that limits, lost privileges and kills stay there.
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
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
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

class FileFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "corvane-faults-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        // A child without root must reach the folder.
        fs::permissions(m_root, fs::perms(0755));
        m_folder = m_root / "data";
        fs::create_directory(m_folder);
        fs::permissions(m_folder, fs::perms(0777));
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }

    static void put(const fs::path& file, std::string_view content)
    {
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string contents(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> temporaries() const
    {
        std::vector<std::string> names;
        for (const std::string& n : files())
            if (n.find(".tmp-") != std::string::npos)
                names.push_back(n);
        return names;
    }
    Statistics statisticsOnDisk() const
    {
        const auto s = parseStatistics(contents(m_folder / StatisticsFile));
        return s ? *s : Statistics{-1, -1};
    }

    fs::path m_root;
    fs::path m_folder;
};

TEST_F(FileFaults, ReadOnlyFolderTellsEveryFailedSaveAndKeepsTheFiles)
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
        DataStore store(forcedDataLocation(m_folder));
        for (const std::string& n : store.notices())
            out += n + "\n";
        out += store.names()[South] + " " + text(store.statistics()) + "\n";
        out += store.setStatistics({6, 10}) + "\n";
        out += store.rename(South, "Bea") + "\n";
        out += store.names()[South] + " " + text(store.statistics()) + "\n";
    });
    ASSERT_TRUE(c.exited()) << c.output;
    EXPECT_EQ(c.output, m_folder.string() + " cannot be written, so names and statistics will not be saved.\n"
                                            "Ann 5/9\n"
                                            "Could not save Points.dat: Permission denied.\n"
                                            "Could not save Names2.dat: Permission denied.\n"
                                            "Bea 6/10\n");
    EXPECT_EQ(contents(m_folder / StatisticsFile), "5,9\r\n");
    EXPECT_EQ(contents(m_folder / NamesFile), names);
    EXPECT_EQ(files(), (std::vector<std::string>{"Names2.dat", "Points.dat"}));
}

// A file the person cannot read is kept aside, never written over.
TEST_F(FileFaults, UnreadableFileIsKeptAsideAndTheNewOneSaved)
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
    EXPECT_EQ(statisticsOnDisk(), (Statistics{0, 1}));
}

// A full disk, as a file size limit: nothing can be written (0 bytes), or
// the write stops part of the way (3 bytes, a partial write first).
TEST_F(FileFaults, FullDiskFailsTheSaveAndTheNextChangeSavesEverything)
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

TEST_F(FileFaults, FilesDeletedWhileRunningAreWrittenAgainWhole)
{
    DataStore store(forcedDataLocation(m_folder));
    ASSERT_EQ(store.rename(South, "Ann"), "");
    ASSERT_EQ(store.setStatistics({4, 7}), "");
    fs::remove(m_folder / StatisticsFile);
    fs::remove(m_folder / NamesFile);
    EXPECT_EQ(store.setStatistics({5, 8}), "");
    EXPECT_EQ(store.rename(East, "Eve"), "");
    const DataStore again(forcedDataLocation(m_folder));
    EXPECT_EQ(again.statistics(), (Statistics{5, 8}));
    EXPECT_EQ(again.names(), (Names{"", "Ann", "West Bot", "North Bot", "Eve"}));
}

TEST_F(FileFaults, FolderDeletedWhileRunningIsToldAndTheValuesKeptForLater)
{
    DataStore store(forcedDataLocation(m_folder));
    ASSERT_EQ(store.setStatistics({1, 1}), "");
    fs::remove_all(m_folder);
    EXPECT_EQ(store.setStatistics({1, 2}), "Could not save Points.dat: No such file or directory.");
    EXPECT_EQ(store.rename(South, "Ann"), "Could not save Names2.dat: No such file or directory.");
    fs::create_directory(m_folder);
    EXPECT_EQ(store.setStatistics({2, 3}), "");
    EXPECT_EQ(store.rename(West, "Max"), "");
    const DataStore again(forcedDataLocation(m_folder));
    EXPECT_EQ(again.statistics(), (Statistics{2, 3}));
    EXPECT_EQ(again.names(), (Names{"", "Ann", "Max", "North Bot", "East Bot"}));
}

// Killed between the flushed temporary and the rename, the old file is
// whole; killed just after, the new one is.
TEST_F(FileFaults, KilledAroundTheRenameLeavesTheOldOrTheNewFile)
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

// A child counts games as fast as it can, telling each one it saved; it is
// killed at a random moment, and the next child goes on from the file. The
// file always reads, and never holds less than the last game told saved.
TEST_F(FileFaults, KilledAtRandomMomentsNothingToldSavedIsLost)
{
    constexpr int Kills = 60;
    std::mt19937 random(6);
    int lastTold = 0;
    int killedMidway = 0;
    for (int k = 0; k < Kills; ++k) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            close(pipeFds[0]);
            DataStore store(forcedDataLocation(m_folder));
            Statistics s = store.statistics();
            if (!store.notices().empty() || s.gamesPlayed < lastTold)
                _exit(4);
            for (;;) {
                ++s.gamesPlayed;
                s.gamesWon += s.gamesPlayed % 2;
                if (!store.setStatistics(s).empty())
                    _exit(5);
                if (write(pipeFds[1], &s.gamesPlayed, sizeof s.gamesPlayed) != sizeof s.gamesPlayed)
                    _exit(6);
            }
        }
        close(pipeFds[1]);
        // The random moment starts from the child's first save, so a slow
        // disk or a busy machine still lets every child save something.
        int told = 0;
        const bool toldOnce = read(pipeFds[0], &told, sizeof told) == sizeof told;
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 8000)(random)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(toldOnce) << "child " << k << " never saved: " << WEXITSTATUS(status);
        ASSERT_TRUE(WIFSIGNALED(status)) << "child " << k << " ended by itself: " << WEXITSTATUS(status);
        for (lastTold = told; read(pipeFds[0], &told, sizeof told) == sizeof told;)
            lastTold = told;
        close(pipeFds[0]);

        const FileRead file = readWholeFile(m_folder / StatisticsFile);
        if (file.status == FileRead::Status::Missing) {
            ASSERT_EQ(lastTold, 0) << "kill " << k;
            continue;
        }
        const auto onDisk = parseStatistics(file.text);
        ASSERT_TRUE(onDisk.has_value()) << "kill " << k << ": a torn file: " << file.text;
        // One more than told when the kill came between the rename and the telling.
        ASSERT_GE(onDisk->gamesPlayed, lastTold) << "kill " << k;
        ASSERT_LE(onDisk->gamesPlayed, lastTold + 1) << "kill " << k;
        EXPECT_EQ(onDisk->gamesWon, (onDisk->gamesPlayed + 1) / 2);
        killedMidway += onDisk->gamesPlayed != lastTold;
        lastTold = onDisk->gamesPlayed;
    }
    EXPECT_GE(lastTold, Kills);  // every child saved at least once
    const std::vector<std::string> left = temporaries();
    std::printf("%d kills, %d games saved, %d kills between rename and telling, %zu temporaries left\n", Kills,
                lastTold, killedMidway, left.size());

    // What the kills left is cleared by a later start, once old enough that
    // no save can still be writing it.
    for (const std::string& name : left)
        fs::last_write_time(m_folder / name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    const DataStore later(forcedDataLocation(m_folder));
    EXPECT_EQ(later.statistics().gamesPlayed, lastTold);
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(FileFaults, OnlyOldTemporariesOfTheDataFilesAreCleared)
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
    EXPECT_EQ(files(), (std::vector<std::string>{"Names2.dat.tmp-folder", "Other.dat.tmp-a1B2c3",
                                                 "Points.dat.tmp-fresh1", "Points.dat.tmp-toolong"}));
}

}  // namespace
}  // namespace corvane
