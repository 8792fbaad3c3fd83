#include "catalogue/design_report.h"

#include <sstream>

#include "catalogue/builtin_guarantees.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "catalogue/design_data.h"

namespace kombora {

namespace {

std::string GuaranteesText(int index) {
    std::string s;
    for (const DrawGuarantee& g : BuiltinGuarantees(index)) {
        if (!s.empty()) s += ", ";
        s += std::to_string(g.drawn) + "→" + std::to_string(g.matches);
    }
    return s;
}

}  // namespace

std::string BuiltinDesignsReport() {
    int below = 0, equal = 0, above = 0, coverings = 0, bestReached = 0, bestBeaten = 0, listed = 0,
        atBound = 0;
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = kBuiltinTable[static_cast<std::size_t>(i)];
        const int ours = BuiltinRowCount(i);
        if (ours < e.TR)
            ++below;
        else if (ours == e.TR)
            ++equal;
        else
            ++above;
        if (e.GA >= 2 && i != 391) {
            ++coverings;
            if (ours <= SchoenheimBound(e.WZ, e.RG, e.GA)) ++atBound;
            if (auto best = BestKnownCoveringSize(e.WZ, e.RG, e.GA)) {
                ++listed;
                if (ours <= *best) ++bestReached;
                if (ours < *best) ++bestBeaten;
            }
        }
    }
    std::ostringstream out;
    out << "# Built-in designs\n\n"
        << "Generated from the design data by `designgen doc`; do not edit by hand.\n\n"
        << "Rows of the " << kBuiltinCount
        << " built-in systems compared with the row counts of the catalogue table:\n\n"
        << "- below the table: " << below << "\n"
        << "- equal to the table: " << equal << "\n"
        << "- above the table: " << above << "\n"
        << "- covering designs at the best known size: " << bestReached << " of the " << listed
        << " entries with a listed size (" << bestBeaten << " below it)\n"
        << "- covering designs at the Schönheim bound: " << atBound << " of " << coverings << "\n\n"
        << "Guarantee p→t: every p pool numbers share at least t with some row (t→t: every t "
           "pool numbers lie in a row). Gap: our rows minus the table's rows.\n\n"
        << "| index | RG | WZ | GA | guarantees | table TR | our TR | gap | best known | "
           "Schönheim | method |\n"
        << "|---:|---:|---:|---:|---|---:|---:|---:|---:|---:|---|\n";
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = kBuiltinTable[static_cast<std::size_t>(i)];
        const int ours = BuiltinRowCount(i);
        const bool covering = e.GA >= 2 && i != 391;
        std::string best;
        std::string bound;
        if (covering) {
            if (auto b = BestKnownCoveringSize(e.WZ, e.RG, e.GA)) best = std::to_string(*b);
            bound = std::to_string(SchoenheimBound(e.WZ, e.RG, e.GA));
        }
        const int gap = ours - e.TR;
        out << "| " << i << " | " << int{e.RG} << " | " << int{e.WZ} << " | " << int{e.GA} << " | "
            << GuaranteesText(i) << " | " << e.TR << " | " << ours << " | " << (gap > 0 ? "+" : "")
            << gap << " | " << best << " | " << bound << " | " << BuiltinDesignMethod(i) << " |\n";
    }
    return out.str();
}

}  // namespace kombora
