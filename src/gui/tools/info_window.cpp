#include "tools/info_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/startup.h"
#include "icons.h"

namespace kombora::gui {

TFInfo::TFInfo(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("FInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kProductName));
    setFixedSize(400, 300);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(MakeStartPicture(QSize(400, 300), devicePixelRatioF())
                           .scaled(QSize(160, 120) * devicePixelRatioF(), Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation));
    top->addWidget(picture);
    auto* titles = new QVBoxLayout;
    auto* product = new QLabel(QString::fromUtf8(kProductName), this);
    product->setProperty("heading", true);
    titles->addWidget(product);
    auto* version =
        new QLabel(QStringLiteral("Version ") + QString::fromUtf8(kProgramVersion), this);
    version->setObjectName(QStringLiteral("LVersion"));
    titles->addWidget(version);
    titles->addStretch();
    top->addLayout(titles, 1);
    layout->addLayout(top);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMouseTracking(true);
    auto* contact = new QVBoxLayout(panel);
    contact->setSpacing(2);
    const auto addLine = [&](const char* name, const char* text) {
        auto* label = new QLabel(QString::fromUtf8(text), panel);
        label->setObjectName(QString::fromUtf8(name));
        label->setVisible(!label->text().isEmpty());
        contact->addWidget(label);
        return label;
    };
    addLine("LName", MakerContact::kName);
    addLine("LStrasse", MakerContact::kStreet);
    addLine("LPLZOrt", MakerContact::kPostalCodeAndTown);
    addLine("LTelefon", MakerContact::kTelephone);
    addLine("LFax", MakerContact::kFax);
    lMail_ = addLine("LMail", MakerContact::kMail);
    lMail_->setProperty("link", true);
    lMail_->setCursor(Qt::PointingHandCursor);
    lMail_->setToolTip(QStringLiteral("Write an e-mail"));
    lMail_->installEventFilter(this);
    layout->addWidget(panel, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("bsSkinSpeedButton3"));
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool TFInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lMail_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LMailClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFInfo::LMailClick() {
    services_.desktop->OpenUrl(QUrl(QStringLiteral("mailto:") +
                                    QString::fromUtf8(MakerContact::kMail) +
                                    QStringLiteral("?subject=") + QString::fromUtf8(kProductName)));
}

void TFInfo::closeEvent(QCloseEvent* event) {
    // A closed window is about to be destroyed; it no longer counts as open.
    setObjectName(QString());
    QWidget::closeEvent(event);
}

}  // namespace kombora::gui
