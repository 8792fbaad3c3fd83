#include "pages/forming_view.h"

#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "app/messages.h"
#include "app/navigation.h"
#include "message_box.h"
#include "qt_locale.h"
#include "rows/apply_system.h"
#include "rows/grid_colours.h"
#include "widgets/number_board.h"
#include "widgets/string_grid.h"

namespace kombora::gui {

void ShowNotice(const Services& services, QWidget* parent, int32_t language, const Notice& notice) {
    QStringList args;
    for (const std::string& arg : notice.args) args << QString::fromStdString(arg);
    ShowMessage(services, parent, language, notice.id, args);
}

QColor CountCellFill(int32_t count, int32_t rowCount) {
    switch (CountCellColour(count, rowCount)) {
        case CountColour::LimeGreen:
            return QColor(kCountLimeGreen.r, kCountLimeGreen.g, kCountLimeGreen.b);
        case CountColour::Yellow:
            return QColor(kCountYellow.r, kCountYellow.g, kCountYellow.b);
        case CountColour::ButtonFace:
            break;
    }
    return QColor();
}

bool SystemAnwendenView(QWidget* page, AppContext& context, const Services& services,
                        bool formingMode) {
    const FormingResult result = SystemAnwenden(context, formingMode);
    if (!result.ok) {
        if (result.message) ShowNotice(services, page, context.Language, *result.message);
        return false;
    }
    QWidget* window = page->window();
    ResetCountCells(window, QStringLiteral("PNummerWert"), kBoardSize, QStringLiteral("0"));

    if (formingMode) {
        if (auto* g1 = window->findChild<StringGrid*>(QStringLiteral("g1"))) {
            // The grid is not repainted while it fills.
            g1->setUpdatesEnabled(false);
            g1->SetRowCount(result.rowCount + 1);
            g1->ClearCells();
            // Ten number columns hold every tip row of a lottery ticket; an own system with
            // longer rows gets the columns it needs rather than losing numbers.
            const int columns = std::max(11, context.rows.TipSize + 1);
            if (g1->ColCount() != columns) {
                g1->SetColCount(columns);
                for (int i = 1; i < columns; ++i) {
                    g1->SetCell(i, 0, QStringLiteral("  Z. ") + QString::number(i));
                }
            }
            for (int p = 1; p <= result.rowCount; ++p) {
                const auto& row = result.gridRows[static_cast<std::size_t>(p - 1)];
                g1->SetCell(0, p, QString::number(p));
                for (std::size_t k = 0; k < row.size(); ++k) {
                    g1->SetCell(static_cast<int>(k) + 1, p, QString::number(row[k]));
                }
            }
            g1->setUpdatesEnabled(true);
        }
        if (auto* group = window->findChild<QGroupBox*>(QStringLiteral("GroupG1"))) {
            group->setTitle(
                QString::fromStdString(GroupG1Caption(result.rowCount, context.Language)));
        }
    }

    for (int n = 1; n <= kBoardSize; ++n) {
        auto* cell =
            window->findChild<CountCell*>(QStringLiteral("PNummerWert") + QString::number(n));
        if (cell == nullptr) continue;
        const int32_t count = context.rows.NumberCounts[static_cast<std::size_t>(n)];
        cell->setText(QString::number(count));
        cell->SetFill(CountCellFill(count, result.rowCount));
    }
    return true;
}

void UpdateTestPage(QWidget* page, const AppContext& context) {
    if (!context.catalogue.Contains(context.SelectedSystem)) return;
    QWidget* window = page->window();
    if (auto* count = window->findChild<QLabel*>(QStringLiteral("LKombiAnz"))) {
        const auto steps = EvaluationStepCount(context.catalogue[context.SelectedSystem]);
        count->setText(steps ? FormatCountText(*steps) : QStringLiteral("—"));
    }
    auto* description = window->findChild<QLabel*>(QStringLiteral("LBeschreibung"));
    auto* copy = window->findChild<QLabel*>(QStringLiteral("LBeschreibung2"));
    if (description != nullptr && copy != nullptr) copy->setText(description->text());
}

}  // namespace kombora::gui
