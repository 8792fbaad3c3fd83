#include "tools/calendar_window.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>

#include "app/startup.h"

namespace kombora::gui {

TFKal::TFKal(const Services& services, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(QString::fromUtf8(kProductName));
    auto* layout = new QVBoxLayout(this);
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("bsSkinMonthCalendar1"));
    calendar_->setFirstDayOfWeek(Qt::Sunday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(false);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        QTextCharFormat format = calendar_->weekdayTextFormat(static_cast<Qt::DayOfWeek>(day));
        format.setFontWeight(QFont::Bold);
        calendar_->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(day), format);
    }
    const QDate today = services.waits->Today();
    QTextCharFormat todayFormat;
    todayFormat.setFontWeight(QFont::Bold);
    todayFormat.setBackground(QColor(0xfd, 0xeb, 0xd0));
    todayFormat.setForeground(QColor(0xb9, 0x4a, 0x00));
    calendar_->setDateTextFormat(today, todayFormat);
    calendar_->setSelectedDate(today);
    calendar_->setCurrentPage(today.year(), today.month());
    layout->addWidget(calendar_);
    // The calendar's own size hint counts rows of the plain font; the month view never draws
    // a row lower than its header's smallest section, so with bold day numbers the last week
    // was cut off. Ask for room for all seven rows (weekday names and six weeks).
    const auto* view =
        calendar_->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    const auto* bar = calendar_->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    if (view != nullptr && bar != nullptr) {
        const int rows = view->model()->rowCount();
        const int rowHeight = std::max(view->verticalHeader()->minimumSectionSize(),
                                       view->verticalHeader()->defaultSectionSize());
        calendar_->setMinimumHeight(bar->sizeHint().height() + rows * rowHeight +
                                    2 * view->frameWidth() + 4);
    }

    auto* bottom = new QHBoxLayout;
    auto* todayButton = new QPushButton(QStringLiteral("Today"), this);
    todayButton->setObjectName(QStringLiteral("BToday"));
    bottom->addWidget(todayButton);
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(todayButton, &QPushButton::clicked, this, [this, today] {
        calendar_->setSelectedDate(today);
        calendar_->setCurrentPage(today.year(), today.month());
    });
}

}  // namespace kombora::gui
