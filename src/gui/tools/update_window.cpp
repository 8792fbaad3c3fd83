#include "tools/update_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/startup.h"

namespace kombora::gui {

TFUpdate::TFUpdate(AppContext& context, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), services_(services) {
    setObjectName(QStringLiteral("FUpdate"));
    setWindowTitle(QString::fromUtf8(kProductName) + QStringLiteral(" ") +
                   QString::fromUtf8(kProgramVersion));
    auto* layout = new QVBoxLayout(this);
    auto* text =
        new QLabel(QStringLiteral("Installed version: ") + QString::fromUtf8(kProgramVersion) +
                       QStringLiteral("\n\nThe update check is not available yet."),
                   this);
    text->setObjectName(QStringLiteral("LUpdateStatus"));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("BUpdateClose"));
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    resize(380, 200);
}

}  // namespace kombora::gui
