#include "help.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>
#include <system_error>

#include "io/text_encoding.h"
#include "message_box.h"

namespace kombora::gui {

std::filesystem::path HelpFolderFor(const std::filesystem::path& exeFolder) {
    const std::filesystem::path beside = exeFolder / kHelpFolderName;
    const std::filesystem::path folder =
        exeFolder.has_filename() ? exeFolder : exeFolder.parent_path();
    const std::filesystem::path installed =
        folder.parent_path() / "share" / "kombora" / kHelpFolderName;
    std::error_code error;
    if (!std::filesystem::is_directory(beside, error) &&
        std::filesystem::is_directory(installed, error)) {
        return installed;
    }
    return beside;
}

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant value = w->property(kHelpContextProperty);
        if (value.isValid() && value.toInt() > 0) return value.toInt();
    }
    return 0;
}

HelpSystem::HelpSystem(const Services& services, QObject* parent)
    : QObject(parent), services_(services) {}

HelpSystem::~HelpSystem() {
    if (window_) delete window_.data();
}

bool HelpSystem::Attach(const std::filesystem::path& helpFolder, QWidget* messageParent) {
    folder_ = helpFolder;
    std::error_code ec;
    attached_ = std::filesystem::is_directory(helpFolder, ec);
    if (!attached_) {
        QString shown = QString::fromStdString(PathToUtf8(helpFolder));
        ShowMessage(services_, messageParent, 0, MessageId::StartupHelpFileMissing, {shown});
    }
    return attached_;
}

std::filesystem::path HelpSystem::TopicFile(int context) const {
    return folder_ / (std::to_string(context) + ".html");
}

QWidget* HelpSystem::window() const {
    return window_.data();
}

void HelpSystem::ShowTopic(int context) {
    if (!attached_ || context <= 0) return;
    const auto file = TopicFile(context);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ShowMessage(services_, QApplication::activeWindow(), 0, MessageId::StartupHelpFileMissing,
                    {QString::fromStdString(PathToUtf8(file))});
        return;
    }
    if (!window_) {
        auto* dialog = new QDialog(nullptr, Qt::Window);
        dialog->setObjectName(QStringLiteral("FHelp"));
        dialog->setWindowTitle(QStringLiteral("Kombora Help"));
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog->resize(640, 560);
        auto* layout = new QVBoxLayout(dialog);
        browser_ = new QTextBrowser(dialog);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);
        auto* buttons = new QHBoxLayout;
        auto* back = new QPushButton(QStringLiteral("Back"), dialog);
        auto* close = new QPushButton(QStringLiteral("Close"), dialog);
        buttons->addWidget(back);
        buttons->addStretch();
        buttons->addWidget(close);
        layout->addLayout(buttons);
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        back->setEnabled(false);
        connect(close, &QPushButton::clicked, dialog, &QDialog::hide);
        window_ = dialog;
    }
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(PathToUtf8(file))));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

HelpKeyFilter::HelpKeyFilter(HelpService& help, QObject* parent) : QObject(parent), help_(help) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = qobject_cast<QWidget*>(watched);
        if (!target) target = QApplication::activeWindow();
        const int context = HelpContextOf(target);
        if (context > 0) {
            help_.ShowTopic(context);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kombora::gui
