#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "files/data_location.h"
#include "files/data_store.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// An installed tree under a temporary folder: prefix/bin beside
// prefix/share/corvane, as the installation lays them out, and a per-user
// data folder that XDG_DATA_HOME points at for the test.
class InstalledDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "corvane-installed-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        fs::create_directories(bin());
        fs::create_directories(m_root / "prefix" / "share" / "corvane" / "sounds");
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_oldXdg = old;
        setenv("XDG_DATA_HOME", (m_root / "xdg").c_str(), 1);
    }
    void TearDown() override
    {
        if (m_oldXdg)
            setenv("XDG_DATA_HOME", m_oldXdg->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        fs::remove_all(m_root);
    }
    fs::path bin() const { return m_root / "prefix" / "bin"; }
    fs::path user() const { return m_root / "xdg" / "corvane"; }

    fs::path m_root;
    std::optional<std::string> m_oldXdg;
};

TEST_F(InstalledDataTest, InstalledFoldersAreTold)
{
    EXPECT_TRUE(isInstalledFolder(bin()));
    EXPECT_TRUE(isInstalledFolder(bin() / ""));  // with a trailing slash
    fs::create_directories(m_root / "prefix" / "games");
    EXPECT_TRUE(isInstalledFolder(m_root / "prefix" / "games"));
    for (const char* system : {"/usr/bin", "/usr/games", "/usr/local/bin", "/bin"})
        EXPECT_TRUE(isInstalledFolder(system)) << system;

    // A build folder, a bin without the installed share/corvane, an
    // unrelated folder that happens to be called bin.
    fs::create_directories(m_root / "build" / "src" / "ui");
    fs::create_directories(m_root / "other" / "bin");
    fs::create_directories(m_root / "other" / "share");
    EXPECT_FALSE(isInstalledFolder(m_root / "build" / "src" / "ui"));
    EXPECT_FALSE(isInstalledFolder(m_root / "other" / "bin"));
    EXPECT_FALSE(isInstalledFolder(m_root / "prefix"));
    EXPECT_FALSE(isInstalledFolder("/usr/binx"));
}

// As root, an installed program's folder can be written; nothing is put
// there, nor moved aside: the files that came with it stay as they are, and
// the person's own copies in the user folder win once they exist.
TEST_F(InstalledDataTest, AWritableInstalledFolderKeepsNothingBesideTheProgram)
{
    std::ofstream(bin() / "Points.dat", std::ios::binary) << "2,5\r\n";
    std::ofstream(bin() / "Names2.dat", std::ios::binary) << "oops";
    const DataLocation where = locateData(bin());
    EXPECT_EQ(where.writeFolder, user());
    EXPECT_EQ(where.readFolders, (std::vector<fs::path>{user(), bin()}));
    EXPECT_EQ(where.notice, "");  // the usual place for an installed program
    {
        DataStore store(where);
        EXPECT_EQ(store.statistics(), (Statistics{2, 5}));  // read from beside the program until it has its own
        EXPECT_EQ(store.notices(), std::vector<std::string>{"Names2.dat could not be read, so the default names are used."});
        EXPECT_EQ(store.setStatistics({3, 6}), "");
        EXPECT_EQ(store.rename(West, "Wendy"), "");
    }
    EXPECT_TRUE(fs::exists(user() / "Points.dat"));
    EXPECT_TRUE(fs::exists(user() / "Names2.dat"));
    for (const char* name : {"Points.dat", "Names2.dat"}) {
        std::ifstream beside(bin() / name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(beside), {}), name[0] == 'P' ? "2,5\r\n" : "oops");
    }
    for (const auto& entry : fs::directory_iterator(bin()))
        EXPECT_TRUE(entry.path().filename() == "Points.dat" || entry.path().filename() == "Names2.dat");
    const DataStore again(locateData(bin()));
    EXPECT_EQ(again.statistics(), (Statistics{3, 6}));
    EXPECT_EQ(again.names()[West], "Wendy");
}

// With no per-user folder to be had, an installed program that may write
// beside itself still saves there rather than nowhere.
TEST_F(InstalledDataTest, NoUserFolderFallsBackToAWritableProgramFolder)
{
    const char* oldHome = std::getenv("HOME");
    const std::optional<std::string> home = oldHome ? std::optional<std::string>(oldHome) : std::nullopt;
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    const DataLocation where = locateData(bin());
    if (home)
        setenv("HOME", home->c_str(), 1);
    EXPECT_EQ(where.writeFolder, bin());
    EXPECT_EQ(where.notice, "");
}

}  // namespace
}  // namespace corvane
