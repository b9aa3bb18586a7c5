#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "files/data_files.h"
#include "files/data_store.h"
#include "files/file_io.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class DataStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "corvane-data-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override
    {
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add);
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

    fs::path m_root;
};

TEST_F(DataStoreTest, MissingFilesGiveDefaultsSilently)
{
    const DataStore store(locateData(dir()));
    EXPECT_EQ(store.names(), defaultNames());
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(store.folder(), dir());
    EXPECT_TRUE(filesIn(dir()).empty());
}

TEST_F(DataStoreTest, ReadsBothFilesAndWritesEachChange)
{
    put(dir() / "Names2.dat", "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
    put(dir() / "Points.dat", "5,9\r\n");
    DataStore store(locateData(dir()));
    EXPECT_EQ(store.names()[South], "Ann");
    EXPECT_EQ(store.statistics(), (Statistics{5, 9}));

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

TEST_F(DataStoreTest, RefusedNameKeepsTheOldOneAndTheFile)
{
    put(dir() / "Names2.dat", "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
    DataStore store(locateData(dir()));
    for (std::string bad : {"Ann \"B\"", "Ann\r\nBob", "Bob\n"}) {
        EXPECT_EQ(store.rename(South, bad), "Names cannot contain double quotes or line breaks.");
        EXPECT_EQ(store.names()[South], "Ann");
    }
    EXPECT_EQ(contents(dir() / "Names2.dat"), "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n");
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

TEST_F(DataStoreTest, MalformedFilesAreKeptAsBackupsBeforeAnyWrite)
{
    const std::pair<std::string_view, std::string_view> bad[] = {
        {"garbage\x01", "12,5\r\n"},                          // won > played
        {"\"Ann\",\"West Bot\"\r\n", "-1,4\r\n"},              // two names, a negative count
        {"\"Ann\",\"W\",\"N\",\"E\",\"X\"\r\n", "1,2,3\r\n"},  // wrong field counts
    };
    int n = 0;
    for (const auto& [names, points] : bad) {
        const fs::path folder = dir("bad" + std::to_string(n++));
        put(folder / "Names2.dat", names);
        put(folder / "Points.dat", points);
        DataStore store(locateData(folder));
        EXPECT_EQ(store.names(), defaultNames());
        EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
        EXPECT_EQ(store.notices(),
                  (std::vector<std::string>{
                      "Names2.dat could not be read, so the default names are used. The old file was kept as "
                      "Names2.dat.bad.",
                      "Points.dat could not be read, so the statistics start at 0 won of 0. The old file was kept "
                      "as Points.dat.bad.",
                  }));
        EXPECT_EQ(contents(folder / "Names2.dat.bad"), names);
        EXPECT_EQ(contents(folder / "Points.dat.bad"), points);

        EXPECT_EQ(store.setStatistics({1, 1}), "");
        EXPECT_EQ(contents(folder / "Points.dat.bad"), points);
        EXPECT_EQ(contents(folder / "Points.dat"), "1,1\r\n");
    }
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

TEST_F(DataStoreTest, FolderGoneAfterStartIsAWriteError)
{
    DataStore store(forcedDataLocation(dir("gone")));
    fs::remove(dir("gone"));
    EXPECT_EQ(store.rename(South, "Ann"), "Could not save Names2.dat: No such file or directory.");
}

TEST_F(DataStoreTest, ReadOnlyFolderKeepsTheOldFile)
{
    put(dir() / "Points.dat", "5,9\r\n");
    fs::permissions(dir(), fs::perms::owner_read | fs::perms::owner_exec);
    if (isWritableFolder(dir()))
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    DataStore store(forcedDataLocation(dir()));
    EXPECT_EQ(store.statistics(), (Statistics{5, 9}));
    EXPECT_NE(store.setStatistics({6, 10}), "");
    fs::permissions(dir(), fs::perms::owner_all);
    EXPECT_EQ(contents(dir() / "Points.dat"), "5,9\r\n");
    EXPECT_EQ(filesIn(dir()), (std::vector<std::string>{"Points.dat"}));
}

TEST_F(DataStoreTest, InvalidStatisticsAreNotWritten)
{
    DataStore store(forcedDataLocation(dir()));
    EXPECT_NE(store.setStatistics({3, 2}), "");
    EXPECT_NE(store.setStatistics({-1, 2}), "");
    EXPECT_EQ(store.statistics(), (Statistics{0, 0}));
    EXPECT_TRUE(filesIn(dir()).empty());
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

// Files that came with the program stay where they are; the person's own
// copies in the user folder win once they exist.
TEST_F(DataStoreTest, UserFolderCopiesTakePrecedence)
{
    const fs::path program = dir("program");
    const fs::path user = dir("user");
    put(program / "Names2.dat", "\"Ann\",\"W\",\"N\",\"E\"\r\n");
    put(program / "Points.dat", "oops");
    const DataLocation where{user, {user, program}, {}};
    {
        DataStore store(where);
        EXPECT_EQ(store.names()[West], "W");
        ASSERT_EQ(store.notices().size(), 1U);  // no backup: the program's file is never written
        EXPECT_EQ(store.notices()[0], "Points.dat could not be read, so the statistics start at 0 won of 0.");
        EXPECT_EQ(store.rename(West, "Max"), "");
    }
    EXPECT_EQ(contents(program / "Names2.dat"), "\"Ann\",\"W\",\"N\",\"E\"\r\n");
    EXPECT_EQ(contents(program / "Points.dat"), "oops");
    EXPECT_EQ(DataStore(where).names()[West], "Max");
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

    put(m_root / "file", "");
    const DataLocation impossible = forcedDataLocation(m_root / "file" / "data");
    EXPECT_EQ(impossible.notice,
              (m_root / "file" / "data").string() + " cannot be written, so names and statistics will not be saved.");
}

}  // namespace
}  // namespace corvane
