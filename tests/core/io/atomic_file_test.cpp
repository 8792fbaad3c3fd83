// Writing a file through a temporary file: old or new content whatever happens, and no
// temporary files left behind.
#include "io/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, RemovesStaleTemporaryFilesOfItsNameOnly) {
    TempDir dir;
    dir.Write("Einstellungen.ini", "old");
    // Left by killed runs: a process id that cannot run (beyond any pid limit), and the
    // pattern of earlier versions.
    dir.Write("Einstellungen.ini.kombora-tmp-999999999-0", "x");
    dir.Write("Einstellungen.ini.kombora-tmp-999999999-17", "x");
    dir.Write("Einstellungen.ini.tmp123456789-3", "x");
    // Not stale or not ours: a running process (init), another file's, other names.
    dir.Write("Einstellungen.ini.kombora-tmp-1-0", "x");
    dir.Write("ESySummary.esy.kombora-tmp-999999999-0", "x");
    dir.Write("Einstellungen.ini.tmp-notes", "x");
    dir.Write("Einstellungen.ini.kombora-tmp-12x-0", "x");
    ASSERT_TRUE(WriteFileAtomically(dir.path() / "Einstellungen.ini", "new"));
    EXPECT_EQ(dir.Read("Einstellungen.ini"), "new");
    EXPECT_EQ(FileNames(dir.path()),
              (std::vector<std::string>{"ESySummary.esy.kombora-tmp-999999999-0",
                                        "Einstellungen.ini", "Einstellungen.ini.kombora-tmp-1-0",
                                        "Einstellungen.ini.kombora-tmp-12x-0",
                                        "Einstellungen.ini.tmp-notes"}));
}

TEST(AtomicFile, FailureKeepsTheOldFileAndLeavesNothing) {
    TempDir dir;
    dir.Write("keep.txt", "old");
    std::filesystem::create_directories(dir.path() / "folder");
    std::string error;
    // The target is a folder: the rename fails after the data were written.
    EXPECT_FALSE(WriteFileAtomically(dir.path() / "folder", "new", &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() / "none" / "keep.txt", "new", &error));
    EXPECT_EQ(dir.Read("keep.txt"), "old");
    EXPECT_EQ(FileNames(dir.path()), (std::vector<std::string>{"folder", "keep.txt"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "folder"));
}

TEST(AtomicFile, AKilledWriterLeavesTheOldOrTheNewFileAndTheNextSaveCleansUp) {
    TempDir dir;
    const auto path = dir.path() / "Einstellungen.ini";
    const std::string oldText(64 * 1024, 'o');
    const std::string newText(64 * 1024, 'n');
    ASSERT_TRUE(WriteFileAtomically(path, oldText));
    std::mt19937 random(12);
    int oldSeen = 0;
    int newSeen = 0;
    for (int kill = 0; kill < 60; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                WriteFileAtomically(path, oldText);
                WriteFileAtomically(path, newText);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string text = dir.Read("Einstellungen.ini");
        ASSERT_TRUE(text == oldText || text == newText) << "torn after kill " << kill;
        (text == oldText ? oldSeen : newSeen)++;
    }
    EXPECT_GT(oldSeen + newSeen, 0);
    ASSERT_TRUE(WriteFileAtomically(path, "last"));
    EXPECT_EQ(FileNames(dir.path()), std::vector<std::string>{"Einstellungen.ini"});
}

}  // namespace
}  // namespace kombora
