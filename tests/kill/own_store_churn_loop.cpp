// The loop of the kill test's helper: saves and deletes own systems until it is killed.
//
// Before each change it announces what it is about to do on its standard output, and after
// the change "D"; each line goes out with one write, so a kill never tears a line:
//   B save FN RG WZ GA TR GESP ROWS   ROWS as "1,2;3,4" (rows joined by ';'), GESP as %a
//   B delete INDEX FN
//   D
// Once the index is loaded it says "R", so that the kills fall among the changes and not into
// the start of the program.
#include "kill/own_store_churn.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "catalogue/own_index.h"
#include "own/own_store.h"

namespace {

void Announce(const std::string& line) {
    const std::string text = line + "\n";
    if (write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        std::exit(4);
    }
}

std::string RowsText(const std::vector<kombora::NumberSet>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += ';';
        bool first = true;
        for (int n : rows[i].Members()) {
            if (!first) text += ',';
            text += std::to_string(n);
            first = false;
        }
    }
    return text;
}

kombora::OwnSystemDesign RandomDesign(std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    kombora::OwnSystemDesign design;
    design.rowSize = pick(2, 5);
    design.poolSize = pick(design.rowSize + 1, 12);
    design.guarantee = pick(0, design.rowSize);
    const int rowCount = pick(1, 8);
    std::vector<int> numbers;
    for (int n = 1; n <= design.poolSize; ++n) numbers.push_back(n);
    for (int r = 0; r < rowCount; ++r) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        kombora::NumberSet row;
        for (int i = 0; i < design.rowSize; ++i) row.Add(numbers[static_cast<std::size_t>(i)]);
        design.rows.push_back(row);
    }
    return design;
}

}  // namespace

int ChurnOwnStore(const char* folder, unsigned seed) {
    using namespace kombora;
    const OwnStoreFiles files{folder, std::filesystem::path(folder) / "ESySummary.esy"};
    const OwnIndexLoad load = LoadOwnSystemIndex(files.indexFile);
    if (load.readFailed || load.trailingBytes != 0) {
        std::fprintf(stderr, "own_store_churn: the index does not load\n");
        return 3;
    }
    std::vector<TEigSysteme> list = load.systems;
    Announce("R");
    std::mt19937 random(seed);
    for (double tick = 1.0;; tick += 1.0) {
        const bool save = list.empty() || (list.size() < 6 && random() % 10 < 6);
        if (save) {
            const OwnSystemDesign design = RandomDesign(random);
            const double savedAt = 45000.0 + tick / 7.0;
            char gesp[64];
            std::snprintf(gesp, sizeof gesp, "%a", savedAt);
            Announce("B save " + NewOwnSystemFileName(list, files.folder) + " " +
                     std::to_string(design.rowSize) + " " + std::to_string(design.poolSize) + " " +
                     std::to_string(design.guarantee) + " " + std::to_string(design.rows.size()) +
                     " " + gesp + " " + RowsText(design.rows));
            const OwnStoreResult result = SaveOwnSystem(list, files, design, savedAt);
            if (!result.ok) {
                std::fprintf(stderr, "own_store_churn: save failed: %s\n",
                             result.problem ? result.problem->Text(1).c_str() : "");
                return 5;
            }
        } else {
            const auto index = static_cast<int32_t>(random() % list.size());
            Announce("B delete " + std::to_string(index) + " " +
                     list[static_cast<std::size_t>(index)].fn);
            if (!DeleteOwnSystem(list, files, index).ok) {
                std::fprintf(stderr, "own_store_churn: delete failed\n");
                return 5;
            }
        }
        Announce("D");
    }
}
