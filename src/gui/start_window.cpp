#include "start_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/startup.h"
#include "help.h"
#include "icons.h"
#include "io/text_encoding.h"
#include "message_box.h"
#include "qt_locale.h"

namespace kombora::gui {

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kFadeSteps = 255;
constexpr int kFadeStepMilliseconds = 5;
}  // namespace

TFStart::TFStart(AppContext& context, const Services& services, HelpSystem* help,
                 const AppFolders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), services_(services) {
    setObjectName(QStringLiteral("FStart"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kProductName) + QStringLiteral(" ") +
                   QString::fromUtf8(kProgramVersion));
    setFixedSize(kWidth, kHeight);
    SetHelpContext(this, 1030);

    lSysAnz_ = new QLabel(QStringLiteral("   Kombora   "), this);
    lSysAnz_->setObjectName(QStringLiteral("LSysAnz"));
    lSysAnz_->setAlignment(Qt::AlignCenter);
    lSysAnz_->setFrameShape(QFrame::Box);
    lSysAnz_->setGeometry(190, 20, 195, 30);

    bWeiter_ = new QPushButton(QStringLiteral("Next"), this);
    bWeiter_->setObjectName(QStringLiteral("BWeiter"));
    bWeiter_->setGeometry(kWidth - 120, kHeight - 48, 105, 32);
    connect(bWeiter_, &QPushButton::clicked, this, &TFStart::BWeiterClick);
    SetInitializationDone(false);

    // Folders, language, own systems and the catalogue.
    InitializeContext(context_, folders);
    ReportOwnIndexProblems();
    SystemeEinlesen();
    if (help) help->Attach(HelpFolderFor(folders.exeFolder), this);
}

void TFStart::ReportOwnIndexProblems() {
    const OwnIndexLoad& load = context_.ownIndexLoad;
    const QString file = QString::fromStdString(PathToUtf8(context_.folders.OwnIndexFile()));
    if (load.readFailed) {
        ShowMessage(services_, this, context_.Language, MessageId::StartupOwnIndexUnreadable,
                    {file});
    } else if (load.trailingBytes > 0) {
        ShowMessage(services_, this, context_.Language, MessageId::StartupOwnIndexPartial,
                    {file, QString::number(load.trailingBytes)});
    }
}

void TFStart::SystemeEinlesen() {
    const auto text = SystemsInsideLabel(SystemsInsideCount(context_.catalogue), context_.Language,
                                         SystemNumberLocale());
    if (text) lSysAnz_->setText(QString::fromStdString(*text));
}

void TFStart::SetInitializationDone(bool done) {
    initializationDone_ = done;
    bWeiter_->setEnabled(done);
    bWeiter_->setCursor(done ? Qt::PointingHandCursor : Qt::BusyCursor);
}

void TFStart::BWeiterClick() {
    bWeiter_->hide();
    services_.waits->ProcessEvents();
    bWeiter_->setEnabled(false);
    close();
}

void TFStart::paintEvent(QPaintEvent*) {
    if (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()) {
        picture_ = MakeStartPicture(size(), devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TFStart::closeEvent(QCloseEvent* event) {
    if (fading_) {
        // A second close while fading: the running fade finishes the job.
        event->ignore();
        return;
    }
    Fade();
    event->accept();
}

void TFStart::Fade() {
    if (faded_) return;
    fading_ = true;
    if (mainWindow_) {
        if (!mainWindow_->isVisible()) {
            mainWindow_->setWindowOpacity(0.0);
            mainWindow_->show();
        }
        raise();
    }
    for (int v = 1; v <= kFadeSteps; ++v) {
        if (mainWindow_) mainWindow_->setWindowOpacity(v / 255.0);
        setWindowOpacity((255 - v) / 255.0);
        services_.waits->Wait(kFadeStepMilliseconds);
    }
    if (mainWindow_) {
        mainWindow_->setWindowOpacity(1.0);
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    fading_ = false;
    faded_ = true;
    emit faded();
}

}  // namespace kombora::gui
