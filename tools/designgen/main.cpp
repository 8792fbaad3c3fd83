// designgen: makes, checks and improves the rows of Kombora's built-in systems.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <iterator>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/builtin_guarantees.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "catalogue/design_report.h"
#include "construct.h"
#include "io/atomic_file.h"
#include "local_search.h"
#include "search.h"
#include "store.h"

namespace designgen {
namespace {

constexpr const char* kUsage = R"(designgen - makes, checks and improves covering and lotto designs

Usage:
  designgen make V K T [--drawn P] [--also P:T,...] [--rows B] [--from FILE] [--moves N]
                 [--seed S]
      A design of K-rows over 1..V in which every P numbers (default T) share at least T with
      some row (and every further guarantee of --also holds). --out FILE writes every smaller
      design found to FILE at once. --rows B searches for B rows (default: as few as found); --from FILE starts
      from the rows in FILE. Prints the rows, one a line.
  designgen verify [--data DIR] [--entries LIST]
      Checks the design files of the built-in entries: form, row count, every guarantee.
  designgen init [--data DIR] [--entries LIST] [--moves N] [--threads N] [--seed S] [--force]
      Makes a valid design for every listed entry that has no design file yet (all with
      --force): fixed rows, known constructions, annealing at the table's row count, greedy.
  designgen improve [--data DIR] [--entries LIST] [--moves N] [--seconds S] [--threads N]
                    [--seed S] [--rounds R] [--above]
      Tries to drop rows from the listed entries, starting from their current design, and
      writes every smaller valid design at once. Plain covering designs go one row fewer at a
      time by a local search at a fixed row count (tabu search; annealing every third round),
      the others by annealing. --seconds is the time per entry and round (default: 60 s in the
      first round, doubled each round up to 20 minutes). --above takes only the entries with
      more rows than the table and stops each at the table's count. --rounds repeats over the
      list with new seeds (0 = until stopped).
  designgen search V K T --rows B [--method anneal|tabu] [--seconds S] [--seed S]
                   [--tenure N] [--restart N] [--t0 X] [--end X] [--step X] [--from FILE]
      One fixed-size local search for a C(V,K,T) with B rows; prints the rows when found and
      the least number of uncovered T-sets reached on standard error.
  designgen construct [--data DIR] [--entries LIST]
      Tries the constructions for the listed entries: projective and affine planes, inversive
      planes, the Witt design S(3,6,22), the Hermitian unital, lines and planes of projective
      spaces, derived designs, and designs combined from the designs of neighbouring entries;
      keeps any that has fewer rows than the present design.
  designgen cyclic [--data DIR] [--entries LIST] [--moves N] [--threads N] [--seed S]
      Searches cyclic designs for the listed entries: as few base rows as the bound allows,
      developed modulo v or modulo v - 1 with one fixed point; keeps any with fewer rows.
  designgen import ENTRY [--data DIR] [--method TEXT] [--force] < ROWS
      Takes the rows on standard input as the design of ENTRY when they keep its guarantees
      and have fewer rows than the present design (or with --force).
  designgen status [--data DIR]
      One line per entry: table rows, our rows, lower bound, method.
  designgen doc
      Prints docs/designs.md from the design data compiled into the program.

LIST is a comma-separated list of indices and ranges (0-36,122,386-390); default all 519.
DIR defaults to data/designs below the current directory.
)";

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
};

Args ParseArgs(int argc, char** argv, const std::set<std::string>& flagNames) {
    Args a;
    for (int i = 2; i < argc; ++i) {
        std::string s = argv[i];
        if (s.rfind("--", 0) == 0) {
            if (flagNames.count(s)) {
                a.flags.insert(s);
            } else if (i + 1 < argc) {
                a.options[s] = argv[++i];
            } else {
                throw std::runtime_error("option " + s + " needs a value");
            }
        } else {
            a.positional.push_back(s);
        }
    }
    return a;
}

long long ToInt(const std::string& s, const std::string& what) {
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (s.empty() || *end != 0) throw std::runtime_error(what + ": \"" + s + "\" is not a number");
    return v;
}

std::vector<int> ParseEntries(const std::string& list) {
    std::vector<int> out;
    std::stringstream ss(list);
    std::string part;
    while (std::getline(ss, part, ',')) {
        const auto dash = part.find('-');
        int a = 0, b = 0;
        if (dash == std::string::npos) {
            a = b = static_cast<int>(ToInt(part, "--entries"));
        } else {
            a = static_cast<int>(ToInt(part.substr(0, dash), "--entries"));
            b = static_cast<int>(ToInt(part.substr(dash + 1), "--entries"));
        }
        if (a < 0 || b >= kombora::kBuiltinCount || a > b) {
            throw std::runtime_error("--entries: " + part + " is outside 0..518");
        }
        for (int i = a; i <= b; ++i) out.push_back(i);
    }
    return out;
}

const kombora::TSysteme& Table(int i) {
    return kombora::kBuiltinTable[static_cast<std::size_t>(i)];
}

Problem EntryProblem(int i) {
    Problem p;
    p.v = Table(i).WZ;
    p.k = Table(i).RG;
    p.guarantees = kombora::BuiltinGuarantees(i);
    return p;
}

bool IsFixedEntry(int i) {
    return i == 0 || i == 3 || i == 68 || i == 141;
}

// The rows the catalogue has always shown for a few entries.
std::vector<Mask> FixedRows(int i) {
    auto row = [](std::initializer_list<int> pts) {
        Mask m = 0;
        for (int p : pts) m |= Mask{1} << (p - 1);
        return m;
    };
    switch (i) {
        case 0:
            return {row({1, 2, 3}), row({1, 2, 4}), row({1, 3, 4})};
        case 3:
            return {row({1, 2, 3}), row({1, 4, 5}), row({1, 6, 7}), row({2, 4, 6}),
                    row({2, 5, 7}), row({3, 4, 7}), row({3, 5, 6})};
        case 68:
            return {row({1, 2, 3, 4, 5}), row({1, 2, 3, 4, 6}), row({1, 2, 3, 5, 6})};
        case 141:
            return {row({1, 2, 6, 7, 8}), row({2, 3, 4, 5, 9})};
        default:
            return {};
    }
}

std::mutex gOutput;

void Log(const std::string& text) {
    std::lock_guard<std::mutex> lock(gOutput);
    std::cerr << text << std::endl;
}

// Places the rows of a design over 1..points.size() onto the given points (0-based).
std::vector<Mask> MapOnto(const std::vector<Mask>& rows, const std::vector<int>& points) {
    std::vector<Mask> out;
    for (Mask r : rows) {
        Mask m = 0;
        while (r) {
            m |= Mask{1} << points[static_cast<std::size_t>(std::countr_zero(r))];
            r &= r - 1;
        }
        out.push_back(m);
    }
    return out;
}

class Workbench {
  public:
    explicit Workbench(std::filesystem::path dataDir) : dataDir_(std::move(dataDir)) {}

    std::optional<DesignFile> Load(int i) const {
        std::string error;
        return ReadDesign(DesignPath(dataDir_, i), &error);
    }

    // Writes the design when it keeps the entry's guarantees and beats the stored one.
    bool Offer(int i, const std::vector<Mask>& rows, const std::string& method, bool force) {
        std::lock_guard<std::mutex> lock(write_);
        if (!IsValid(EntryProblem(i), rows)) {
            Log("entry " + std::to_string(i) + ": offered rows break a guarantee; not kept");
            return false;
        }
        const auto current = Load(i);
        // A stored design that no longer keeps the guarantees counts as missing.
        const bool currentValid = current && IsValid(EntryProblem(i), current->rows);
        if (!force && currentValid && current->rows.size() <= rows.size()) return false;
        DesignFile d;
        d.entry = i;
        d.rg = Table(i).RG;
        d.wz = Table(i).WZ;
        d.ga = Table(i).GA;
        d.method = method;
        d.rows = IsFixedEntry(i) ? rows : Canonical(rows);
        std::string error;
        if (!WriteDesign(dataDir_, d, &error)) {
            Log("entry " + std::to_string(i) + ": " + error);
            return false;
        }
        Log("entry " + std::to_string(i) + ": " + std::to_string(rows.size()) + " rows (table " +
            std::to_string(Table(i).TR) + ") " + method);
        return true;
    }

    // The rows of a pair covering C(n, k, 2), from the data when the catalogue holds one.
    std::vector<Mask> PairCovering(int n, int k, uint64_t seed) {
        for (int i = 0; i < kombora::kBuiltinCount; ++i) {
            if (Table(i).RG == k && Table(i).WZ == n && Table(i).GA == 2 && i != 391) {
                if (auto d = Load(i)) return d->rows;
            }
        }
        std::mt19937_64 rng(seed);
        Problem p{n, k, {{2, 2}}};
        auto rows = GreedyDesign(p, rng);
        SearchOptions o;
        o.seed = seed;
        o.maxMoves = 200'000;
        o.minBlocks = LowerBound(p);
        auto better = AnnealAndShrink(p, rows, o, nullptr);
        return better.empty() ? rows : better;
    }

    // Rows covering every pair inside a group of the given points.
    std::vector<Mask> GroupRows(const std::vector<int>& group, int k, int v, uint64_t seed) {
        const int g = static_cast<int>(group.size());
        if (g <= k) {
            Mask m = 0;
            for (int p : group) m |= Mask{1} << p;
            for (int p = 0; p < v && Popcount(m) < k; ++p) m |= Mask{1} << p;
            return {m};
        }
        return MapOnto(PairCovering(g, k, seed), group);
    }

    // Lotto rows: the pool split into `groups` parts with every pair of a part in a row, so
    // that any groups + 1 pool numbers have two in one part.
    std::vector<Mask> SplitLotto(int v, int k, int groups, uint64_t seed) {
        std::vector<Mask> best;
        // Try the splits into parts of near-equal sizes and one unequal size.
        for (int first = (v + groups - 1) / groups; first <= std::min(v, v / groups + 6); ++first) {
            std::vector<Mask> rows;
            std::vector<int> sizes{first};
            int rest = v - first;
            for (int j = 1; j < groups; ++j) {
                const int s = (rest + (groups - j) - 1) / (groups - j);
                sizes.push_back(s);
                rest -= s;
            }
            int next = 0;
            for (int s : sizes) {
                std::vector<int> group;
                for (int j = 0; j < s; ++j) group.push_back(next++);
                if (s == 0) continue;
                if (s == 1 && groups > 1) continue;  // a lone point meets no pair
                auto part = GroupRows(group, k, v, seed);
                rows.insert(rows.end(), part.begin(), part.end());
            }
            if (best.empty() || rows.size() < best.size()) best = rows;
        }
        return best;
    }

    std::filesystem::path dataDir_;

  private:
    std::mutex write_;
};

// A starting temperature that suits the problem: a swap changes the cover of C(k-1, t-1)
// t-sets, so larger rows need a hotter search. `scale` varies it between rounds.
double StartTemperature(const Problem& p, double scale) {
    int t = 2;
    for (const auto& g : p.guarantees) t = std::max(t, g.matches);
    const double changed = static_cast<double>(Binom()(p.k - 1, t - 1));
    return std::max(0.6, changed / 40.0) * scale;
}

// One design for entry i by construction or search.
void InitEntry(Workbench& wb, int i, int64_t moves, uint64_t seed) {
    const auto& e = Table(i);
    const Problem problem = EntryProblem(i);
    std::mt19937_64 rng(seed ^ (static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ULL));
    if (IsFixedEntry(i)) {
        wb.Offer(i, FixedRows(i), "fixed rows of the catalogue", true);
        return;
    }
    if (i == 391) {
        // 1..22: every triple in a row; 23..49: every 4 share 3 with a row. A draw of 6 has
        // 3 numbers in the first part or 4 in the second.
        std::vector<int> a, b;
        for (int p = 0; p < 22; ++p) a.push_back(p);
        for (int p = 22; p < 49; ++p) b.push_back(p);
        auto first = wb.Load(291);
        std::vector<Mask> rows;
        if (first) rows = MapOnto(first->rows, a);
        Problem second{27, 6, {{4, 3}}};
        SearchOptions o;
        o.seed = rng();
        o.maxMoves = moves * 4;
        o.minBlocks = 1;
        auto part = AnnealAndShrink(second, RandomBlocks(27, 6, 86, rng), o, nullptr);
        if (part.empty()) part = AnnealAndShrink(second, GreedyDesign(second, rng), o, nullptr);
        auto mapped = MapOnto(part, b);
        rows.insert(rows.end(), mapped.begin(), mapped.end());
        wb.Offer(i, rows,
                 "split 22 + 27: C(22,6,3) on 1..22, every 4 of 23..49 share 3 with a row (" +
                     std::to_string(part.size()) + " rows)",
                 false);
        return;
    }
    if (e.GA == 0) {
        const int groups = i >= 141 && i <= 182 ? 2 : 3;
        auto rows = wb.SplitLotto(e.WZ, e.RG, groups, rng());
        wb.Offer(i, rows,
                 "split into " + std::to_string(groups) + " parts, every pair of a part in a row",
                 false);
        return;
    }
    SearchOptions o;
    o.seed = rng();
    o.maxMoves = moves;
    o.minBlocks = LowerBound(problem);
    o.t0 = StartTemperature(problem, 1.0);
    o.t1 = o.t0 / 15.0;
    auto at = AnnealAndShrink(problem, RandomBlocks(e.WZ, e.RG, e.TR, rng), o, nullptr);
    if (!at.empty()) {
        wb.Offer(i, at, "simulated annealing", false);
        return;
    }
    auto greedy = GreedyDesign(problem, rng);
    o.seed = rng();
    auto shrunk = AnnealAndShrink(problem, greedy, o, nullptr);
    wb.Offer(i, shrunk.empty() ? greedy : shrunk, "greedy, then annealing", false);
}

// Rows covering every point once: consecutive runs of k points, the last filled up.
std::vector<Mask> PointCover(int n, int k) {
    std::vector<Mask> rows;
    for (int start = 0; start < n; start += k) {
        Mask m = 0;
        for (int p = start; p < start + k && p < n; ++p) m |= Mask{1} << p;
        for (int p = 0; Popcount(m) < k && p < n; ++p) m |= Mask{1} << p;
        rows.push_back(m);
    }
    return rows;
}

// Designs for entry i from geometry and from the designs of neighbouring parameter sets.
void ConstructEntry(Workbench& wb, int i) {
    if (IsFixedEntry(i) || i == 391 || Table(i).GA < 2) return;
    const int v = Table(i).WZ, k = Table(i).RG, t = Table(i).GA;
    std::vector<Construction> candidates = ConstructionsFor(v, k, t);
    auto entryWith = [&](int vv, int kk, int tt) -> std::optional<DesignFile> {
        std::optional<DesignFile> best;
        for (int j = 0; j < kombora::kBuiltinCount; ++j) {
            if (j == 391 || Table(j).WZ != vv || Table(j).RG != kk || Table(j).GA != tt) continue;
            auto d = wb.Load(j);
            if (d && (!best || d->rows.size() < best->rows.size())) best = d;
        }
        return best;
    };
    auto name = [](int vv, int kk, int tt) {
        return "C(" + std::to_string(vv) + "," + std::to_string(kk) + "," + std::to_string(tt) +
               ")";
    };
    // Derived: the rows through one point of a design with one point, size and strength more.
    if (auto big = entryWith(v + 1, k + 1, t + 1)) {
        for (int p = 0; p <= v; ++p) {
            candidates.push_back(
                {"derived from " + name(v + 1, k + 1, t + 1), Derived(big->rows, p)});
        }
    }
    // One number fewer: the last number of each row replaced by one the row lacks.
    if (auto big = entryWith(v + 1, k, t)) {
        std::vector<Mask> rows;
        std::set<Mask> seen;
        for (Mask r : big->rows) {
            if (r & (Mask{1} << v)) {
                r &= ~(Mask{1} << v);
                for (int p = 0; p < v; ++p) {
                    if (!(r & (Mask{1} << p))) {
                        r |= Mask{1} << p;
                        break;
                    }
                }
            }
            if (seen.insert(r).second) rows.push_back(r);
        }
        candidates.push_back({"from " + name(v + 1, k, t) + " without one number", rows});
    }
    // Shorter rows filled up.
    if (auto small = entryWith(v, k - 1, t)) {
        std::vector<Mask> rows;
        for (Mask r : small->rows) {
            for (int p = 0; p < v; ++p) {
                if (!(r & (Mask{1} << p))) {
                    r |= Mask{1} << p;
                    break;
                }
            }
            rows.push_back(r);
        }
        candidates.push_back({"from " + name(v, k - 1, t) + ", rows filled up", rows});
    }
    // C(v-1, k, t) on 1..v-1 and C(v-1, k-1, t-1) with the number v added to each row.
    if (auto a = entryWith(v - 1, k, t)) {
        std::optional<std::vector<Mask>> b;
        if (t - 1 == 1) {
            b = PointCover(v - 1, k - 1);
        } else if (auto d = entryWith(v - 1, k - 1, t - 1)) {
            b = d->rows;
        }
        if (b) {
            auto rows = a->rows;
            for (Mask r : *b) rows.push_back(r | (Mask{1} << (v - 1)));
            candidates.push_back(
                {"combined " + name(v - 1, k, t) + " and " + name(v - 1, k - 1, t - 1), rows});
        }
    }
    // Split the numbers into v1 + v2 and the rows into k1 + k2: a t-set has i numbers in the
    // first part and t - i in the second, so joining every row of a C(v1, k1, i) with every
    // row of a C(v2, k2, t - i), for i = 0..t, covers it.
    auto smallDesign = [&](int n, int kk, int tt) -> std::optional<std::vector<Mask>> {
        if (tt == 0 || kk >= n) return std::vector<Mask>{FullMask(std::min(kk, n))};
        if (tt > kk) return std::nullopt;
        if (tt == 1) return PointCover(n, kk);
        if (kk == tt) {
            if (Binom()(n, kk) > 4000) return std::nullopt;
            return AllSubsets(n, kk);
        }
        if (auto d = entryWith(n, kk, tt)) return d->rows;
        return std::nullopt;
    };
    {
        std::vector<Mask> bestSplit;
        std::string bestName;
        for (int v1 = 1; v1 <= v / 2; ++v1) {
            const int v2 = v - v1;
            for (int k1 = 0; k1 <= std::min(k, v1); ++k1) {
                const int k2 = k - k1;
                if (k2 > v2) continue;
                std::vector<Mask> rows;
                bool ok = true;
                for (int part = 0; part <= t && ok; ++part) {
                    if (part > v1 || t - part > v2) continue;  // no t-set splits this way
                    auto a = smallDesign(v1, k1, part);
                    auto b = smallDesign(v2, k2, t - part);
                    if (!a || !b || a->size() * b->size() > 4000) {
                        ok = false;
                        break;
                    }
                    for (Mask x : *a) {
                        for (Mask y : *b) rows.push_back(x | (y << v1));
                    }
                }
                if (!ok) continue;
                // Rows short of k numbers (a part smaller than its share) are filled up.
                for (Mask& r : rows) {
                    for (int p = 0; p < v && Popcount(r) < k; ++p) r |= Mask{1} << p;
                }
                std::sort(rows.begin(), rows.end());
                rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
                if (bestSplit.empty() || rows.size() < bestSplit.size()) {
                    bestSplit = rows;
                    bestName = "combined over the split " + std::to_string(v1) + " + " +
                               std::to_string(v2) + " numbers, rows of " + std::to_string(k1) +
                               " + " + std::to_string(k2);
                }
            }
        }
        if (!bestSplit.empty()) candidates.push_back({bestName, bestSplit});
    }
    const auto current = wb.Load(i);
    std::size_t best = current ? current->rows.size() : SIZE_MAX;
    const Problem problem = EntryProblem(i);
    for (const auto& c : candidates) {
        if (c.rows.size() >= best || !IsValid(problem, c.rows)) continue;
        if (wb.Offer(i, c.rows, c.name, false)) best = c.rows.size();
    }
}

// Cyclic designs: base rows developed modulo v - f (f = 0, 1, 2 fixed points) plus a few rows
// searched one by one, one row fewer than the present design at a time.
void CyclicEntry(Workbench& wb, int i, int64_t moves, uint64_t seed) {
    if (IsFixedEntry(i) || i == 391) return;
    if (!wb.Load(i)) return;
    const Problem problem = EntryProblem(i);
    const int v = problem.v;
    const int bound = LowerBound(problem);
    for (int target = static_cast<int>(wb.Load(i)->rows.size()) - 1; target >= bound; --target) {
        bool found = false;
        for (int fixedPoints = 0; fixedPoints <= 2 && !found; ++fixedPoints) {
            const int n = v - fixedPoints;
            const int m = target / n;
            const int free = target - m * n;
            if (m == 0 || free > n) continue;
            SearchOptions o;
            o.seed = seed ^ (static_cast<uint64_t>(i * 7919 + target * 31 + fixedPoints));
            o.maxMoves = moves;
            auto rows = AnnealCyclic(problem, n, m, free, o);
            if (!rows.empty()) {
                found = wb.Offer(
                    i, rows,
                    "cyclic: " + std::to_string(m) + " base rows developed modulo " +
                        std::to_string(n) +
                        (fixedPoints ? " with " + std::to_string(fixedPoints) + " fixed points"
                                     : "") +
                        (free ? ", " + std::to_string(free) + " further rows" : ""),
                    false);
                if (found) target = static_cast<int>(wb.Load(i)->rows.size());
            }
        }
        if (!found) break;
    }
}

// Entry 391 is made of two parts (see InitEntry): the rows on 1..22 stay, the rows on 23..49
// (every 4 numbers share 3 with a row) are annealed to fewer.
void ImproveLotto391(Workbench& wb, const DesignFile& current, int64_t moves, double seconds,
                     uint64_t seed, const std::atomic<bool>& stop) {
    const Mask second = FullMask(49) & ~FullMask(22);
    std::vector<Mask> first, part;
    for (Mask r : current.rows) {
        if ((r & second) == 0) {
            first.push_back(r);
        } else if ((r & ~second) == 0) {
            part.push_back(r >> 22);
        } else {
            return;  // not the two-part design this search knows
        }
    }
    const Problem problem{27, 6, {{4, 3}}};
    if (!IsValid(problem, part)) return;
    SearchOptions o;
    o.seed = seed ^ 391;
    o.maxMoves = std::max<int64_t>(moves, 1) * 50;
    o.maxSeconds = seconds;
    o.minBlocks = 1;
    o.stop = &stop;
    AnnealAndShrink(problem, part, o, [&](const std::vector<Mask>& rows) {
        std::vector<Mask> all = first;
        for (Mask r : rows) all.push_back(r << 22);
        wb.Offer(391, all,
                 "split 22 + 27: Witt design S(3,6,22) on 1..22, every 4 of 23..49 share 3 with "
                 "a row (" +
                     std::to_string(rows.size()) + " rows, annealing)",
                 false);
    });
}

// True when the entry's only guarantee is to cover every GA-set: a plain covering design.
bool IsPlainCovering(int i) {
    const auto g = kombora::BuiltinGuarantees(i);
    return !IsFixedEntry(i) && g.size() == 1 && g[0].drawn == g[0].matches && g[0].matches >= 2;
}

// Lowers the rows of entry i for `seconds`: plain coverings by the fixed-size local search one
// row fewer at a time (tabu or annealing by the round), the others by annealing.
void ImproveEntry(Workbench& wb, int i, int64_t moves, double seconds, uint64_t seed,
                  const std::atomic<bool>& stop, int round, bool above) {
    if (IsFixedEntry(i)) return;
    const auto current = wb.Load(i);
    if (!current) return;
    if (i == 391) {
        ImproveLotto391(wb, *current, moves, seconds, seed, stop);
        return;
    }
    const Problem problem = EntryProblem(i);
    const int bound = LowerBound(problem);
    const int floor = above ? std::max(bound, static_cast<int>(Table(i).TR)) : bound;
    if (static_cast<int>(current->rows.size()) <= floor) return;
    const uint64_t entrySeed = seed ^ (static_cast<uint64_t>(i) * 0x9E3779B97F4A7C15ULL);
    if (IsPlainCovering(i)) {
        const int v = Table(i).WZ, k = Table(i).RG, t = Table(i).GA;
        LocalSearchOptions o;
        o.seed = entrySeed;
        o.maxSeconds = seconds;
        o.stop = &stop;
        // Tabu search serves every kind of entry best; every third round anneals instead.
        o.method = round % 3 == 2 ? LocalMethod::kAnneal : LocalMethod::kTabu;
        o.tenure = t == 2 || (t == 3 && k <= 6) ? 3 : (t == 3 ? 15 : 10);
        const char* name = o.method == LocalMethod::kTabu ? "tabu search" : "annealing";
        std::string method = current->method;
        const std::string suffix = std::string(", improved by local search");
        if (method.find(suffix) == std::string::npos) method += suffix;
        Descend(
            v, k, t, current->rows, floor, o,
            [&](const std::vector<Mask>& rows) { wb.Offer(i, rows, method, false); },
            [&](int rows, bool ok, int64_t cost, double secs) {
                if (ok) return;
                Log("entry " + std::to_string(i) + ": " + name + " at " + std::to_string(rows) +
                    " rows (table " + std::to_string(Table(i).TR) + "): least uncovered " +
                    std::to_string(cost) + " after " + std::to_string(static_cast<int>(secs)) +
                    " s");
            });
        return;
    }
    SearchOptions o;
    o.seed = entrySeed;
    o.maxMoves = moves;
    o.maxSeconds = seconds;
    o.minBlocks = floor;
    o.stop = &stop;
    static const double kScales[] = {1.0, 2.0, 0.5};
    o.t0 = StartTemperature(problem, kScales[round % 3]);
    o.t1 = o.t0 / 15.0;
    std::string method = current->method;
    if (method.find("annealing") == std::string::npos) method += ", improved by annealing";
    AnnealAndShrink(problem, current->rows, o,
                    [&](const std::vector<Mask>& rows) { wb.Offer(i, rows, method, false); });
}

template <class F>
void RunParallel(const std::vector<int>& entries, int threads, F&& work) {
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> pool;
    for (int t = 0; t < std::max(1, threads); ++t) {
        pool.emplace_back([&] {
            while (true) {
                const std::size_t j = next++;
                if (j >= entries.size()) return;
                work(entries[j]);
            }
        });
    }
    for (auto& th : pool) th.join();
}

int CommandVerify(const Args& a, const std::filesystem::path& dir, const std::vector<int>& list) {
    (void)a;
    int bad = 0;
    for (int i : list) {
        std::string error;
        auto d = ReadDesign(DesignPath(dir, i), &error);
        std::string problem;
        if (!d) {
            problem = error;
        } else if (d->entry != i || d->rg != Table(i).RG || d->wz != Table(i).WZ ||
                   d->ga != Table(i).GA) {
            problem = "the entry line does not match the table";
        } else {
            for (const auto& g : kombora::BuiltinGuarantees(i)) {
                if (auto draw = kombora::FindUnmetDraw(d->wz, d->rows, g)) {
                    problem = "breaks \"" + kombora::DescribeGuarantee(g) + "\", e.g. at";
                    for (int x : *draw) problem += " " + std::to_string(x);
                    break;
                }
            }
        }
        if (!problem.empty()) {
            ++bad;
            std::cout << "entry " << i << ": " << problem << "\n";
        }
    }
    std::cout << list.size() - static_cast<std::size_t>(bad) << " of " << list.size()
              << " designs keep their guarantees\n";
    return bad == 0 ? 0 : 1;
}

int CommandStatus(const std::filesystem::path& dir, const std::vector<int>& list) {
    int above = 0, equal = 0, below = 0, missing = 0;
    for (int i : list) {
        auto d = ReadDesign(DesignPath(dir, i), nullptr);
        const auto& e = Table(i);
        const int bound = LowerBound(EntryProblem(i));
        if (!d) {
            ++missing;
            std::cout << i << "\tmissing\n";
            continue;
        }
        const int ours = static_cast<int>(d->rows.size());
        if (ours > e.TR)
            ++above;
        else if (ours == e.TR)
            ++equal;
        else
            ++below;
        std::cout << i << "\tRG " << int{e.RG} << "\tWZ " << int{e.WZ} << "\tGA " << int{e.GA}
                  << "\ttable " << e.TR << "\tours " << ours << "\tbound " << bound
                  << (ours > e.TR ? "\tABOVE" : "") << "\t" << d->method << "\n";
    }
    std::cout << "below " << below << ", equal " << equal << ", above " << above << ", missing "
              << missing << "\n";
    return 0;
}

int CommandMake(const Args& a) {
    if (a.positional.size() != 3) throw std::runtime_error("make needs V K T");
    Problem p;
    p.v = static_cast<int>(ToInt(a.positional[0], "V"));
    p.k = static_cast<int>(ToInt(a.positional[1], "K"));
    const int t = static_cast<int>(ToInt(a.positional[2], "T"));
    const int drawn = a.options.count("--drawn")
                          ? static_cast<int>(ToInt(a.options.at("--drawn"), "--drawn"))
                          : t;
    if (p.v < 2 || p.v > 64 || p.k < 1 || p.k > p.v || t < 1 || t > p.k || drawn < t ||
        drawn > p.v) {
        throw std::runtime_error("need 1 <= T <= K <= V <= 64 and T <= P <= V");
    }
    p.guarantees = {{drawn, t}};
    if (a.options.count("--also")) {
        // Further guarantees, written drawn:matches and separated by commas.
        std::stringstream ss(a.options.at("--also"));
        std::string part;
        while (std::getline(ss, part, ',')) {
            const auto colon = part.find(':');
            if (colon == std::string::npos)
                throw std::runtime_error("--also: \"" + part + "\" is not P:T");
            const int pp = static_cast<int>(ToInt(part.substr(0, colon), "--also"));
            const int tt = static_cast<int>(ToInt(part.substr(colon + 1), "--also"));
            if (tt < 1 || tt > p.k || pp < tt || pp > p.v)
                throw std::runtime_error("--also: " + part + " is out of range");
            p.guarantees.push_back({pp, tt});
        }
    }
    const uint64_t seed = a.options.count("--seed")
                              ? static_cast<uint64_t>(ToInt(a.options.at("--seed"), "--seed"))
                              : 1;
    std::mt19937_64 rng(seed);
    SearchOptions o;
    o.seed = rng();
    o.maxMoves = a.options.count("--moves") ? ToInt(a.options.at("--moves"), "--moves") : 2'000'000;
    o.minBlocks = LowerBound(p);
    std::vector<Mask> start;
    if (a.options.count("--from")) {
        std::string text, error;
        if (!kombora::ReadWholeFile(a.options.at("--from"), text, &error)) {
            throw std::runtime_error(a.options.at("--from") + ": cannot be read");
        }
        auto rows = ParseBlocks(text, p.v, p.k, &error);
        if (!rows) throw std::runtime_error(a.options.at("--from") + ": " + error);
        start = *rows;
    } else if (a.options.count("--rows")) {
        start =
            RandomBlocks(p.v, p.k, static_cast<int>(ToInt(a.options.at("--rows"), "--rows")), rng);
    } else {
        start = GreedyDesign(p, rng);
    }
    if (a.options.count("--rows")) {
        o.minBlocks =
            std::max(o.minBlocks, static_cast<int>(ToInt(a.options.at("--rows"), "--rows")));
    }
    if (a.options.count("--t0")) o.t0 = std::stod(a.options.at("--t0"));
    if (a.options.count("--t1")) o.t1 = std::stod(a.options.at("--t1"));
    if (a.options.count("--cycle")) o.cycle = ToInt(a.options.at("--cycle"), "--cycle");
    int64_t least = INT64_MAX;
    o.leastCost = &least;
    const std::string outFile = a.options.count("--out") ? a.options.at("--out") : "";
    auto best = AnnealAndShrink(p, start, o, [&outFile](const std::vector<Mask>& rows) {
        Log("found " + std::to_string(rows.size()) + " rows");
        if (!outFile.empty()) {
            // Every smaller design at once, so that a stopped run keeps its best.
            std::string text;
            for (Mask r : Canonical(rows)) text += FormatRow(r) + "\n";
            kombora::WriteFileAtomically(outFile, text);
        }
    });
    if (best.empty()) {
        std::cerr << "no design with " << start.size()
                  << " rows found within the budget (least uncovered: " << least << ")\n";
        return 1;
    }
    for (Mask r : Canonical(best)) std::cout << FormatRow(r) << "\n";
    return 0;
}

// Fixed-size local search for one C(v, k, t), for measuring methods and settings.
int CommandSearch(const Args& a) {
    if (a.positional.size() != 3) throw std::runtime_error("search needs V K T");
    const int v = static_cast<int>(ToInt(a.positional[0], "V"));
    const int k = static_cast<int>(ToInt(a.positional[1], "K"));
    const int t = static_cast<int>(ToInt(a.positional[2], "T"));
    if (v < 2 || v > 64 || k < 1 || k > v || t < 2 || t > k)
        throw std::runtime_error("need 2 <= T <= K <= V <= 64");
    if (!a.options.count("--rows")) throw std::runtime_error("search needs --rows B");
    const int rows = static_cast<int>(ToInt(a.options.at("--rows"), "--rows"));
    LocalSearchOptions o;
    o.method = PreferredMethod(v, k, t);
    if (a.options.count("--method")) {
        const std::string m = a.options.at("--method");
        if (m == "anneal")
            o.method = LocalMethod::kAnneal;
        else if (m == "tabu")
            o.method = LocalMethod::kTabu;
        else
            throw std::runtime_error("--method: anneal or tabu");
    }
    if (a.options.count("--seed"))
        o.seed = static_cast<uint64_t>(ToInt(a.options.at("--seed"), "--seed"));
    o.maxSeconds = a.options.count("--seconds")
                       ? static_cast<double>(ToInt(a.options.at("--seconds"), "--seconds"))
                       : 60.0;
    if (a.options.count("--tenure"))
        o.tenure = static_cast<int>(ToInt(a.options.at("--tenure"), "--tenure"));
    if (a.options.count("--restart"))
        o.restartAfter = ToInt(a.options.at("--restart"), "--restart");
    if (a.options.count("--t0")) o.startTemperature = std::stod(a.options.at("--t0"));
    if (a.options.count("--end")) o.endRatio = std::stod(a.options.at("--end"));
    if (a.options.count("--step")) o.stepFactor = std::stod(a.options.at("--step"));
    std::vector<Mask> start;
    if (a.options.count("--from")) {
        std::string text, error;
        if (!kombora::ReadWholeFile(a.options.at("--from"), text, &error))
            throw std::runtime_error(a.options.at("--from") + ": cannot be read");
        auto r = ParseBlocks(text, v, k, &error);
        if (!r) throw std::runtime_error(a.options.at("--from") + ": " + error);
        start = *r;
    }
    const auto began = std::chrono::steady_clock::now();
    const std::clock_t cpuBegan = std::clock();
    const auto res = SearchFixedSize(v, k, t, rows, start, o);
    const double cpu = static_cast<double>(std::clock() - cpuBegan) / CLOCKS_PER_SEC;
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::cerr << (res.rows.empty() ? "not found" : "found") << " C(" << v << "," << k << "," << t
              << ") with " << rows << " rows: least uncovered " << res.bestCost << ", " << res.moves
              << " moves, " << res.restarts << " restarts, " << secs << " s (" << cpu
              << " s CPU)\n";
    if (res.rows.empty()) return 1;
    Problem p{v, k, {{t, t}}};
    if (!IsValid(p, res.rows)) {
        std::cerr << "internal error: the rows found do not cover\n";
        return 1;
    }
    for (Mask r : Canonical(res.rows)) std::cout << FormatRow(r) << "\n";
    return 0;
}

int CommandImport(const Args& a, Workbench& wb) {
    if (a.positional.size() != 1) throw std::runtime_error("import needs ENTRY");
    const int i = static_cast<int>(ToInt(a.positional[0], "ENTRY"));
    if (i < 0 || i >= kombora::kBuiltinCount) throw std::runtime_error("ENTRY lies outside 0..518");
    std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::string error;
    auto rows = ParseBlocks(text, Table(i).WZ, Table(i).RG, &error);
    if (!rows) throw std::runtime_error("standard input: " + error);
    const std::string method = a.options.count("--method") ? a.options.at("--method") : "imported";
    if (!IsValid(EntryProblem(i), *rows)) {
        std::cerr << "the rows break a guarantee of entry " << i << "\n";
        return 1;
    }
    if (!wb.Offer(i, *rows, method, a.flags.count("--force") > 0)) {
        std::cerr << "entry " << i << " keeps its present design\n";
    }
    return 0;
}

int Main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "help") {
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    const Args a = ParseArgs(argc, argv, {"--force", "--above"});
    const std::filesystem::path dir = a.options.count("--data")
                                          ? std::filesystem::path(a.options.at("--data"))
                                          : std::filesystem::path("data/designs");
    std::vector<int> list;
    if (a.options.count("--entries")) {
        list = ParseEntries(a.options.at("--entries"));
    } else {
        for (int i = 0; i < kombora::kBuiltinCount; ++i) list.push_back(i);
    }
    const int threads = a.options.count("--threads")
                            ? static_cast<int>(ToInt(a.options.at("--threads"), "--threads"))
                            : 1;
    const uint64_t seed = a.options.count("--seed")
                              ? static_cast<uint64_t>(ToInt(a.options.at("--seed"), "--seed"))
                              : 1;
    const int64_t moves =
        a.options.count("--moves") ? ToInt(a.options.at("--moves"), "--moves") : 1'000'000;
    Workbench wb(dir);

    if (command == "make") return CommandMake(a);
    if (command == "search") return CommandSearch(a);
    if (command == "verify") return CommandVerify(a, dir, list);
    if (command == "status") return CommandStatus(dir, list);
    if (command == "doc") {
        std::cout << kombora::BuiltinDesignsReport();
        return 0;
    }
    if (command == "import") return CommandImport(a, wb);
    if (command == "cyclic") {
        RunParallel(list, threads, [&](int i) { CyclicEntry(wb, i, moves, seed); });
        return 0;
    }
    if (command == "construct") {
        // Twice, so that designs made in the first pass can feed their neighbours.
        for (int pass = 0; pass < 2; ++pass) {
            for (int i : list) ConstructEntry(wb, i);
        }
        return 0;
    }
    if (command == "init") {
        const bool force = a.flags.count("--force") > 0;
        std::vector<int> first, second;
        for (int i : list) {
            if (!force && wb.Load(i)) continue;
            (Table(i).GA == 0 || i == 391 ? second : first).push_back(i);
        }
        RunParallel(first, threads, [&](int i) { InitEntry(wb, i, moves, seed); });
        RunParallel(second, threads, [&](int i) { InitEntry(wb, i, moves, seed); });
        return 0;
    }
    if (command == "improve") {
        // Without --seconds each round gives every entry twice the time of the round before:
        // 60 s, 120 s, ... up to 20 minutes.
        const bool fixedSeconds = a.options.count("--seconds") > 0;
        const double givenSeconds =
            fixedSeconds ? static_cast<double>(ToInt(a.options.at("--seconds"), "--seconds")) : 0.0;
        const int rounds = a.options.count("--rounds")
                               ? static_cast<int>(ToInt(a.options.at("--rounds"), "--rounds"))
                               : 1;
        std::atomic<bool> stop{false};
        for (int round = 0; rounds == 0 || round < rounds; ++round) {
            std::vector<int> todo;
            for (int i : list) {
                auto d = wb.Load(i);
                if (!d) continue;
                if (a.flags.count("--above") && static_cast<int>(d->rows.size()) <= Table(i).TR)
                    continue;
                todo.push_back(i);
            }
            if (todo.empty()) break;
            // Largest gaps to the table first.
            auto gap = [&](int i) {
                const auto d = wb.Load(i);
                return (static_cast<double>(d->rows.size()) - Table(i).TR) / Table(i).TR;
            };
            std::vector<std::pair<double, int>> order;
            for (int i : todo) order.push_back({-gap(i), i});
            std::sort(order.begin(), order.end());
            todo.clear();
            for (const auto& [g, i] : order) todo.push_back(i);
            const uint64_t roundSeed = seed + static_cast<uint64_t>(round) * 1000003ULL;
            const double seconds = fixedSeconds
                                       ? givenSeconds
                                       : std::min(1200.0, 60.0 * std::pow(2.0, std::min(round, 5)));
            const bool above = a.flags.count("--above") > 0;
            RunParallel(todo, threads, [&](int i) {
                ImproveEntry(wb, i, moves, seconds, roundSeed, stop, round, above);
            });
            Log("round " + std::to_string(round + 1) + " done");
        }
        return 0;
    }
    std::cerr << "unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}

}  // namespace
}  // namespace designgen

int main(int argc, char** argv) {
    try {
        return designgen::Main(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "designgen: " << e.what() << "\n";
        return 2;
    }
}
