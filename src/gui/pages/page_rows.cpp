#include "pages/page_rows.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/messages.h"
#include "io/text_encoding.h"
#include "message_box.h"
#include "own/rows_csv.h"
#include "own/workbook_export.h"
#include "pages/forming_view.h"
#include "pages/workbook_view.h"
#include "rows/apply_system.h"
#include "widgets/grid_setup.h"
#include "widgets/string_grid.h"

namespace kombora::gui {

PageRows::PageRows(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("Tab3"));
    auto* layout = new QVBoxLayout(body());
    auto* body = new QHBoxLayout;

    groupG1_ = new QGroupBox(QString::fromLatin1(kGroupG1InitialCaption), this);
    groupG1_->setObjectName(QStringLiteral("GroupG1"));
    auto* gridLayout = new QVBoxLayout(groupG1_);
    g1_ = new StringGrid(groupG1_);
    G1Fuellen(g1_);
    UseRowGridDrawing(g1_, context().rows);
    g1_->setMinimumWidth(11 * 40 + 24);
    gridLayout->addWidget(g1_);
    body->addWidget(groupG1_, 1);

    auto* side = new QVBoxLayout;
    auto* selected = new QGroupBox(QStringLiteral("If system was selected"), this);
    selected->setObjectName(QStringLiteral("GroupSystem"));
    auto* selectedLayout = new QVBoxLayout(selected);
    auto* form = new QPushButton(QStringLiteral("Form tips"), selected);
    form->setObjectName(QStringLiteral("bsSkinSpeedButton7"));
    connect(form, &QPushButton::clicked, this, &PageRows::bsSkinSpeedButton7Click);
    selectedLayout->addWidget(form);
    side->addWidget(selected);
    auto* saveCsv = new QPushButton(QStringLiteral("Save..."), this);
    saveCsv->setObjectName(QStringLiteral("BCSV"));
    connect(saveCsv, &QPushButton::clicked, this, &PageRows::BCSVClick);
    side->addWidget(saveCsv);
    auto* excel = new QPushButton(QStringLiteral("Excel export"), this);
    excel->setObjectName(QStringLiteral("BExcel"));
    connect(excel, &QPushButton::clicked, this, &PageRows::BExcelClick);
    side->addWidget(excel);
    cbMit_ = new QCheckBox(QStringLiteral("with row number and column headings"), this);
    cbMit_->setObjectName(QStringLiteral("cbMit"));
    side->addWidget(cbMit_);
    // "To the test": the system-test page answers the request.
    auto* toTest = new QPushButton(QStringLiteral("To the test"), this);
    toTest->setObjectName(QStringLiteral("BZumSystest"));
    connect(toTest, &QPushButton::clicked, &state, &AppState::RequestTest);
    side->addWidget(toTest);
    side->addStretch();
    body->addLayout(side);
    layout->addLayout(body, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack3")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("bsSkinSpeedButton13")));
    layout->addLayout(bottom);

    DisableWhileTestRuns({form});
    connect(&state, &AppState::rowsFormed, this, &PageRows::ShowRows);
}

void PageRows::bsSkinSpeedButton7Click() {
    if (context().SelectedSystem < 0) {
        ShowMessage(services(), this, context().Language, MessageId::FormingNoSystemLinesPage);
        return;
    }
    FormRows(state(), services(), this, true);
    state().RequestTestPageUpdate();
}

void PageRows::ShowRows(const FormingResult& result, bool withGrid) {
    if (!withGrid) return;
    // The grid is not repainted while it fills.
    g1_->setUpdatesEnabled(false);
    g1_->SetRowCount(result.rowCount + 1);
    g1_->ClearCells();
    // Ten number columns hold every tip row of a lottery ticket; an own system with longer
    // rows gets the columns it needs rather than losing numbers.
    const int columns = std::max(11, context().rows.TipSize + 1);
    if (g1_->ColCount() != columns) {
        g1_->SetColCount(columns);
        for (int i = 1; i < columns; ++i) {
            g1_->SetCell(i, 0, QStringLiteral("  Z. ") + QString::number(i));
        }
    }
    for (int p = 1; p <= result.rowCount; ++p) {
        const auto& row = result.gridRows[static_cast<std::size_t>(p - 1)];
        g1_->SetCell(0, p, QString::number(p));
        for (std::size_t k = 0; k < row.size(); ++k) {
            g1_->SetCell(static_cast<int>(k) + 1, p, QString::number(row[k]));
        }
    }
    g1_->setUpdatesEnabled(true);
    groupG1_->setTitle(QString::fromStdString(GroupG1Caption(result.rowCount, context().Language)));
}

namespace {

// The cells of the grid as texts, [row][column].
TextGrid GridTexts(const StringGrid& grid) {
    TextGrid texts(static_cast<std::size_t>(grid.RowCount()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            texts[static_cast<std::size_t>(r)].push_back(grid.Cell(c, r).toStdString());
        }
    }
    return texts;
}

}  // namespace

void PageRows::BCSVClick() {
    if (g1_->Cell(1, 1).isEmpty()) {
        ShowMessage(services(), this, context().Language, MessageId::OwnRowsNoRowsToSave);
        return;
    }
    const QString file = services().fileDialogs->SaveFileName(
        this, QStringLiteral("Save file"),
        QString::fromStdString(PathToUtf8(context().folders.appDataFolder)),
        QStringLiteral("CSV-Trennzeichen getrennt (*.csv)"));
    if (file.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string error;
    const bool saved = SaveGridAsCsv(GridTexts(*g1_), PathFromUtf8(file.toStdString()), &error);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        ShowMessage(services(), this, context().Language, MessageId::GeneralFileWriteFailed,
                    {file, QString::fromStdString(error)});
    }
}

void PageRows::BExcelClick() {
    if (g1_->Cell(1, 1).isEmpty()) {
        ShowMessage(services(), this, context().Language, MessageId::OwnRowsNoRowsToExport);
        return;
    }
    const int32_t language = context().Language;
    const std::string name =
        LabelText(LabelId::OwnRowsSheetName, language).value_or("Series of bets");
    const WorkbookSheet sheet =
        GridWorksheet(GridTexts(*g1_), name, context().rows.TipSize, cbMit_->isChecked());
    ExportWorkbook(services(), this, language, sheet, name);
}

void PageRows::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    // The bank numbers may have changed on the board since the grid was last drawn.
    g1_->viewport()->update();
}

}  // namespace kombora::gui
