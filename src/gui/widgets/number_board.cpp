#include "widgets/number_board.h"

#include <QApplication>
#include <QStyle>

namespace kombora::gui {
namespace {

constexpr int kBoardHeadingHeight = 20;  // GrBox7

const char* LookName(BoardLook look) {
    switch (look) {
        case BoardLook::Changing:
            return "changing";
        case BoardLook::Bank:
            return "bank";
        case BoardLook::Normal:
            break;
    }
    return "normal";
}

// The three looks of the board buttons; the bank look is lime green.
const char* kBoardStyle =
    "QPushButton[look] { padding: 0px; min-height: 0px; border-radius: 3px;"
    " font-weight: bold; font-size: 9pt; }"
    "QPushButton[look=\"normal\"] { background: #ffffff; color: #1b2631;"
    " border: 1px solid #aebdcc; }"
    "QPushButton[look=\"normal\"]:hover { background: #eef5fc; border-color: #6fa3d1; }"
    "QPushButton[look=\"changing\"] { background: #2e6fb5; color: #ffffff;"
    " border: 1px solid #1f4f85; }"
    "QPushButton[look=\"bank\"] { background: #32cd32; color: #0b3d0b;"
    " border: 1px solid #228b22; }";

}  // namespace

BoardButton::BoardButton(int number, QWidget* parent)
    : QPushButton(QString::number(number), parent), number_(number) {
    setObjectName(QStringLiteral("lot") + QString::number(number));
    setProperty("look", LookName(look_));
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
}

void BoardButton::SetLook(BoardLook look) {
    if (look == look_) return;
    look_ = look;
    setProperty("look", LookName(look));
    style()->unpolish(this);
    style()->polish(this);
    update();
}

NumberBoard::NumberBoard(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PZahlen"));
    setStyleSheet(QString::fromLatin1(kBoardStyle));
    auto* heading = new QLabel(QStringLiteral("Choose your numbers"), this);
    heading->setObjectName(QStringLiteral("GrBox7"));
    heading->setGeometry(4, 0, 10 * (kBoardButtonWidth + kBoardButtonGap), kBoardHeadingHeight);
    for (int n = 1; n <= kBoardSize; ++n) {
        const int r = (n - 1) / 10 + 1;
        const int c = (n - 1) % 10 + 1;
        auto* button = new BoardButton(n, this);
        button->setGeometry((c - 1) * (kBoardButtonWidth + kBoardButtonGap) + 4,
                            (r - 1) * kBoardButtonHeight + kBoardHeadingHeight + 5,
                            kBoardButtonWidth, kBoardButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, n] { emit numberClicked(n); });
        buttons_[static_cast<std::size_t>(n)] = button;
    }
    setFixedSize(10 * (kBoardButtonWidth + kBoardButtonGap) - 2 + 8,
                 10 * kBoardButtonHeight + kBoardHeadingHeight + 10);
}

BoardButton* NumberBoard::Button(int n) const {
    return n >= 1 && n <= kBoardSize ? buttons_[static_cast<std::size_t>(n)] : nullptr;
}

void NumberBoard::ShowLooks(const RowStore& rows) {
    for (int n = 1; n <= kBoardSize; ++n) Button(n)->SetLook(LookOf(rows, n));
}

void NumberBoard::ShowNumbersUpTo(int largestNumber) {
    for (int n = 1; n <= kBoardSize; ++n) {
        Button(n)->setVisible(BoardNumberVisible(n, largestNumber));
    }
}

BlackPanel::BlackPanel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    resize(30, 15);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("background-color: rgb(0, 60, 30); color: rgb(128, 255, 255); border: none;"
                       " font-weight: normal;"));
}

CountCell::CountCell(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    SetFill(QColor());
}

void CountCell::SetFill(const QColor& fill) {
    fill_ = fill;
    // The button face comes from the application: once a style sheet has given the cell a
    // background, its own palette reports that colour as its button face.
    const QColor shown = fill.isValid() ? fill : QApplication::palette().color(QPalette::Button);
    setStyleSheet(QStringLiteral("background-color: %1; color: black; font-weight: bold;"
                                 " border: 1px solid #c9d3dd;")
                      .arg(shown.name()));
}

StatisticsBoard::StatisticsBoard(const QString& objectName, const QString& heading,
                                 const QString& numberPrefix, const QString& countPrefix,
                                 int cellWidth, int cellHeight, int firstLeft, int extraWidth,
                                 QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    heading_ = new QLabel(heading, this);
    heading_->setObjectName(objectName == QStringLiteral("p1") ? QStringLiteral("PTop1")
                                                               : objectName + "Top");
    heading_->setAlignment(Qt::AlignCenter);
    const int pitch = cellWidth + 1;
    heading_->setGeometry(0, 0, 10 * pitch + extraWidth, kStatisticsHeaderHeight);
    for (int n = 1; n <= kBoardSize; ++n) {
        const int r = (n - 1) / 10 + 1;
        const int c = (n - 1) % 10 + 1;
        const int left = (c - 1) * pitch + firstLeft;
        auto* number = new BlackPanel(QString::number(n), this);
        number->setObjectName(numberPrefix + QString::number(n));
        number->setGeometry(left, (r - 1) * 36 + kStatisticsHeaderHeight + 3, 30, 15);
        auto* count = new CountCell(this);
        count->setObjectName(countPrefix + QString::number(n));
        count->setGeometry(left, (r - 1) * 36 + kStatisticsPitch + kStatisticsHeaderHeight,
                           cellWidth, cellHeight);
        numbers_[static_cast<std::size_t>(n)] = number;
        counts_[static_cast<std::size_t>(n)] = count;
    }
    setFixedSize(10 * pitch + extraWidth, 10 * 37 + kStatisticsHeaderHeight - 5);
}

BlackPanel* StatisticsBoard::NumberCell(int n) const {
    return n >= 1 && n <= kBoardSize ? numbers_[static_cast<std::size_t>(n)] : nullptr;
}

CountCell* StatisticsBoard::Count(int n) const {
    return n >= 1 && n <= kBoardSize ? counts_[static_cast<std::size_t>(n)] : nullptr;
}

void StatisticsBoard::ShowNumbersUpTo(int largestNumber) {
    for (int n = 1; n <= kBoardSize; ++n) {
        const bool visible = BoardNumberVisible(n, largestNumber);
        NumberCell(n)->setVisible(visible);
        Count(n)->setVisible(visible);
    }
}

void ResetCountCells(QWidget* root, const QString& prefix, int count, const QString& text) {
    for (int i = 1; i <= count; ++i) {
        if (auto* cell = root->findChild<CountCell*>(prefix + QString::number(i))) {
            cell->setText(text);
            cell->SetFill(QColor());
        }
    }
}

}  // namespace kombora::gui
