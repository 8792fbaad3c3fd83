// Kills a program that saves and deletes own systems at random moments, 1000 times, and
// checks the store after every kill: the index loads, every record's rows file exists and
// is read by the program's rows reader, and the store holds exactly the systems of the
// changes that ended before the kill, plus or minus the one change under way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/own_index.h"
#include "kill/own_store_churn.h"
#include "own/own_store.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

// One own system as the store should hold it.
struct ExpectedSystem {
    TEigSysteme record;
    std::string rowsFile;  // the rows file's bytes

    friend bool operator==(const ExpectedSystem&, const ExpectedSystem&) = default;
};
using Store = std::vector<ExpectedSystem>;

// A change announced by the helper.
struct Change {
    bool save = false;
    ExpectedSystem saved;   // save
    std::size_t index = 0;  // delete
    std::string fn;         // delete

    Store AppliedTo(Store store) const {
        if (save) {
            store.push_back(saved);
        } else if (index < store.size() && store[index].record.fn == fn) {
            store.erase(store.begin() + static_cast<std::ptrdiff_t>(index));
        } else {
            ADD_FAILURE() << "delete of " << fn << " at " << index << " does not fit the store";
        }
        return store;
    }
};

Change ParseChange(const std::string& line) {
    std::istringstream in(line);
    std::string b, kind;
    in >> b >> kind;
    Change change;
    if (kind == "save") {
        change.save = true;
        TEigSysteme& r = change.saved.record;
        int rg = 0, wz = 0, ga = 0, tr = 0;
        std::string gesp, rows;
        in >> r.fn >> rg >> wz >> ga >> tr >> gesp >> rows;
        r.RG = static_cast<uint8_t>(rg);
        r.WZ = static_cast<uint8_t>(wz);
        r.GA = static_cast<uint8_t>(ga);
        r.TR = static_cast<uint16_t>(tr);
        r.gesp = std::strtod(gesp.c_str(), nullptr);
        for (char c : rows) {
            if (c == ';') {
                change.saved.rowsFile += "\r\n";
            } else {
                change.saved.rowsFile += c;
            }
        }
        change.saved.rowsFile += "\r\n";
    } else {
        in >> change.index >> change.fn;
    }
    return change;
}

// The store as it is on disk; fails the test where it does not load.
Store LoadStore(const OwnStoreFiles& files) {
    const OwnIndexLoad load = LoadOwnSystemIndex(files.indexFile);
    EXPECT_FALSE(load.readFailed);
    EXPECT_EQ(load.trailingBytes, 0u);
    Store store;
    for (const TEigSysteme& record : load.systems) {
        ExpectedSystem system{record, {}};
        EXPECT_TRUE(OwnRowsFilePresent(files, record)) << record.fn << " is missing";
        try {
            const auto rows = ReadOwnSystemRowsOf(files, record);
            EXPECT_EQ(rows.size(), record.TR) << record.fn;
        } catch (const RowsFileError& e) {
            ADD_FAILURE() << e.what();
        }
        std::ifstream in(files.RowsFile(record), std::ios::binary);
        system.rowsFile.assign(std::istreambuf_iterator<char>(in), {});
        store.push_back(std::move(system));
    }
    return store;
}

struct HelperRun {
    std::string output;
    bool killed = false;  // ended by the kill, not on its own
    int exitCode = 0;
};

// Starts the helper, kills it `delay` after it is ready and returns what it announced.
HelperRun RunAndKill(const std::filesystem::path& folder, unsigned seed,
                     std::chrono::microseconds delay) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    const std::string folderText = folder.string();
    const std::string seedText = std::to_string(seed);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        if (std::getenv("KOMBORA_KILL_TEST_EXEC") != nullptr) {
            execl(KOMBORA_CHURN_PATH, KOMBORA_CHURN_PATH, folderText.c_str(), seedText.c_str(),
                  static_cast<char*>(nullptr));
        } else {
            _exit(ChurnOwnStore(folderText.c_str(), seed));
        }
        _exit(127);
    }
    close(pipeFds[1]);
    HelperRun run;
    char ready[2];
    if (read(pipeFds[0], ready, 2) == 2 && ready[0] == 'R' && ready[1] == '\n') {
        std::this_thread::sleep_for(delay);
    }
    kill(pid, SIGKILL);
    char buffer[4096];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(OwnStoreKill, EveryKillLeavesAStoreThatLoadsWithNothingLost) {
    constexpr int kKills = 1000;
    testing::TempDir dir;
    const OwnStoreFiles files{dir.path(), dir.path() / "ESySummary.esy"};
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delayMicros(0, 4000);

    Store model;  // the store after the changes that ended
    std::map<std::string, int> states;
    int changesDone = 0;
    int storesChecked = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const HelperRun run = RunAndKill(dir.path(), static_cast<unsigned>(random()),
                                         std::chrono::microseconds(delayMicros(random)));
        ASSERT_TRUE(run.killed) << "the helper ended on its own with " << run.exitCode;

        std::optional<Change> pending;
        std::istringstream lines(run.output);
        for (std::string line; std::getline(lines, line);) {
            if (line == "D") {
                ASSERT_TRUE(pending.has_value());
                model = pending->AppliedTo(model);
                pending.reset();
                ++changesDone;
            } else {
                ASSERT_FALSE(pending.has_value()) << line;
                pending = ParseChange(line);
            }
        }

        const Store onDisk = LoadStore(files);
        ++storesChecked;
        if (!pending) {
            ASSERT_EQ(onDisk, model) << "kill " << kill << " between changes";
            ++states["between changes"];
            continue;
        }
        const std::string kind = pending->save ? "save" : "delete";
        if (onDisk == model) {
            ++states[kind + " killed, store as before"];
        } else {
            const Store after = pending->AppliedTo(model);
            ASSERT_EQ(onDisk, after) << "kill " << kill << " during a " << kind;
            ++states[kind + " killed, store as after"];
            model = after;
        }
        if (::testing::Test::HasFailure()) break;
    }

    std::size_t strayFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        bool known = name == "ESySummary.esy";
        for (const ExpectedSystem& s : model) known = known || s.record.fn == name;
        if (!known) ++strayFiles;
    }
    std::cout << "kills: " << kKills << ", stores checked: " << storesChecked
              << ", changes completed: " << changesDone << ", systems at the end: " << model.size()
              << ", files without a record: " << strayFiles << "\n";
    for (const auto& [state, count] : states) std::cout << "  " << state << ": " << count << "\n";
    EXPECT_EQ(storesChecked, kKills);
}

}  // namespace
}  // namespace kombora
