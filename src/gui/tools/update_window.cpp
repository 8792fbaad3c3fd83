#include "tools/update_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <string>

#include "app/startup.h"
#include "io/atomic_file.h"
#include "io/text_encoding.h"
#include "message_box.h"
#include "tools/update.h"

namespace kombora::gui {

namespace {

// A version file is a handful of 24-byte records; anything far larger is not one.
constexpr qint64 kVersionFileLimit = 64 * 1024;
// A transfer that receives nothing for this long is given up.
constexpr int kTransferTimeoutMs = 30000;

QString FromPath(const std::filesystem::path& path) {
    return QString::fromStdString(PathToUtf8(path));
}

std::filesystem::path ToPath(const QString& text) {
    return PathFromUtf8(text.toStdString());
}

// A folder as the messages show it: native separators and a trailing separator.
QString FolderText(const std::filesystem::path& folder) {
    QString text = QDir::toNativeSeparators(FromPath(folder));
    if (!text.endsWith(QDir::separator())) text += QDir::separator();
    return text;
}

// The server could not be reached at all, as opposed to a server that answered badly.
bool IsConnectionError(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TimeoutError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyNotFoundError:
        case QNetworkReply::ProxyTimeoutError:
            return true;
        default:
            return false;
    }
}

int HttpStatus(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TFUpdate::TFUpdate(AppContext& context, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(context),
      services_(services),
#ifdef Q_OS_WIN
      installStyle_(InstallStyle::Windows)
#else
      installStyle_(InstallStyle::Desktop)
#endif
{
    setObjectName(QStringLiteral("FUpdate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kProductName));

    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Check program version for actuality"), this);
    auto* grid = new QGridLayout(group);
    bCalc_ = new QPushButton(QStringLiteral("Check"), group);
    bCalc_->setObjectName(QStringLiteral("BCalc"));
    grid->addWidget(bCalc_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Installed version"), group), 0, 1);
    piVersion_ = new QLabel(QString::fromUtf8(kProgramVersion), group);
    piVersion_->setObjectName(QStringLiteral("PiVersion"));
    grid->addWidget(piVersion_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Available version"), group), 1, 1);
    pvVersion_ = new QLabel(group);
    pvVersion_->setObjectName(QStringLiteral("PvVersion"));
    pvVersion_->setMinimumWidth(90);
    grid->addWidget(pvVersion_, 1, 2);
    grid->setColumnStretch(2, 1);
    layout->addWidget(group);

    bDown_ = new QPushButton(QStringLiteral("Download"), this);
    bDown_->setObjectName(QStringLiteral("BDown"));
    bDown_->setEnabled(false);
    auto* downRow = new QHBoxLayout;
    downRow->addWidget(bDown_, 0, Qt::AlignTop);
    downRow->addWidget(Note(QStringLiteral("If a more up-to-date version is available online, "
                                           "the download button becomes active."),
                            this),
                       1);
    layout->addLayout(downRow);

    gauge3_ = new QProgressBar(this);
    gauge3_->setObjectName(QStringLiteral("Gauge3"));
    gauge3_->setRange(0, 100);
    gauge3_->setValue(0);
    layout->addWidget(gauge3_);

    bSetup_ = new QPushButton(QStringLiteral("Installation"), this);
    bSetup_->setObjectName(QStringLiteral("BSetup"));
    bSetup_->setEnabled(false);
    auto* setupRow = new QHBoxLayout;
    setupRow->addWidget(bSetup_, 0, Qt::AlignTop);
    setupRow->addWidget(
        Note(QStringLiteral("After the download, the installation button becomes active."), this),
        1);
    layout->addLayout(setupRow);

    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(bCalc_, &QPushButton::clicked, this, &TFUpdate::BCalcClick);
    connect(bDown_, &QPushButton::clicked, this, &TFUpdate::BDownClick);
    connect(bSetup_, &QPushButton::clicked, this, &TFUpdate::BSetupClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(460, 260);
}

// Closing the window during a transfer ends the transfer; a half-received installation
// program is discarded with its temporary file.
TFUpdate::~TFUpdate() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    if (installerFile_) installerFile_->cancelWriting();
}

void TFUpdate::Show(MessageId id, const QStringList& args) {
    ShowMessage(services_, this, context_.Language, id, args);
}

QString TFUpdate::AppDataFolderText() const {
    return FolderText(context_.folders.appDataFolder);
}

QString TFUpdate::ExeFolderText() const {
    return FolderText(context_.folders.exeFolder);
}

bool TFUpdate::MayFetch(MessageId noConnection) {
    const QUrl server = services_.network->UpdateServer();
    if (!server.isValid() ||
        !UpdateAddressAllowed(server.scheme().toStdString(), server.host().toStdString(),
                              services_.network->PlainLoopbackAllowed())) {
        Show(MessageId::UpdateAddressNotSecure, {server.toString()});
        return false;
    }
    if (!services_.network->IsOnline()) {
        Show(noConnection);
        return false;
    }
    return true;
}

QNetworkReply* TFUpdate::Fetch(const QString& remotePath) {
    QUrl url = services_.network->UpdateServer();
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path + remotePath);
    QNetworkRequest request(url);
    // Redirects stay on the same scheme, host and port: never to plain HTTP or elsewhere.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMs);
    QNetworkReply* reply = services_.network->AccessManager()->get(request);
    reply_ = reply;
    return reply;
}

void TFUpdate::ReportTransferError(QNetworkReply* reply, MessageId noConnection, MessageId failed) {
    if (reply->error() == QNetworkReply::InsecureRedirectError ||
        reply->error() == QNetworkReply::TooManyRedirectsError) {
        Show(MessageId::UpdateRedirectRefused, {reply->url().toString()});
    } else if (IsConnectionError(reply->error())) {
        Show(noConnection);
    } else if (failed == MessageId::UpdateDownloadFailed) {
        Show(failed, {services_.network->UpdateServer().toString()});
    } else {
        Show(failed);
    }
}

void TFUpdate::EndTransfer() {
    phase_ = Phase::Idle;
    reply_.clear();
    bCalc_->setEnabled(true);
    unsetCursor();
    emit transferEnded();
}

// ---- "Check"

void TFUpdate::BCalcClick() {
    if (Busy()) return;
    if (!MayFetch(MessageId::UpdateNoConnectionCheck)) return;
    phase_ = Phase::Version;
    bCalc_->setEnabled(false);
    setCursor(Qt::BusyCursor);
    QNetworkReply* reply = Fetch(QString::fromUtf8(kVersionFileRemotePath));
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
        if (received > kVersionFileLimit) reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &TFUpdate::VersionFinished);
}

void TFUpdate::VersionFinished() {
    QNetworkReply* reply = reply_.data();
    if (!reply) return;
    reply->deleteLater();
    const QByteArray bytes = reply->readAll();
    if (reply->error() != QNetworkReply::NoError || HttpStatus(reply) != 200 ||
        bytes.size() > kVersionFileLimit) {
        EndTransfer();
        ReportTransferError(reply, MessageId::UpdateNoConnectionCheck,
                            MessageId::UpdateCheckFailed);
        return;
    }
    EndTransfer();

    const VersionFileContent content =
        ReadVersionFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    switch (content.error) {
        case VersionFileError::None:
            break;
        case VersionFileError::NoRecord:
            bDown_->setEnabled(false);
            Show(MessageId::UpdateVersionFileEmpty);
            return;
        case VersionFileError::PartialRecord:
            bDown_->setEnabled(false);
            Show(MessageId::UpdateVersionFilePartial, {QString::number(bytes.size())});
            return;
        case VersionFileError::TextTooLong:
            bDown_->setEnabled(false);
            Show(MessageId::UpdateVersionTextTooLong,
                 {QString::number(content.badRecord), QString::number(content.badLength)});
            return;
    }
    // The version file stays in the application-data folder, as the last check found it.
    WriteFileAtomically(context_.folders.appDataFolder / kVersionFileName,
                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    pvVersion_->setText(QString::fromStdString(content.version));
    bDown_->setEnabled(UpdateOffered(content.version, kProgramVersion));
}

// ---- "Download"

void TFUpdate::BDownClick() {
    if (Busy() || !bDown_->isEnabled()) return;
    if (!MayFetch(MessageId::UpdateNoConnectionDownload)) return;
    const QString target = FromPath(context_.folders.appDataFolder / kInstallerFileName);
    // The previous installation program goes first, so that only this download's file can
    // be installed.
    QFile::remove(target);
    bSetup_->setEnabled(false);
    installerFile_ = std::make_unique<QSaveFile>(target);
    if (!installerFile_->open(QIODevice::WriteOnly)) {
        installerFile_.reset();
        Show(MessageId::UpdateDownloadFailed, {services_.network->UpdateServer().toString()});
        return;
    }
    installerHash_.reset();
    installerBytes_ = 0;
    announcedSize_.reset();
    installerTransferOk_ = false;
    writeFailed_ = false;
    gauge3_->setRange(0, 100);
    gauge3_->setValue(0);

    phase_ = Phase::Installer;
    bCalc_->setEnabled(false);
    bDown_->setEnabled(false);
    QNetworkReply* reply = Fetch(QString::fromUtf8(kInstallerRemotePath));
    installerUrl_ = reply->url();
    connect(reply, &QNetworkReply::readyRead, this, &TFUpdate::InstallerReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this, &TFUpdate::DataProgress);
    connect(reply, &QNetworkReply::finished, this, &TFUpdate::InstallerFinished);
}

void TFUpdate::DataProgress(qint64 received, qint64 total) {
    // The bar only shows the transfer; "Installation" waits for the whole, checked file.
    const ProgressBarState bar = DownloadProgressBar(received, total);
    gauge3_->setRange(0, bar.maximum);
    gauge3_->setValue(bar.value);
}

void TFUpdate::InstallerReadyRead() {
    QNetworkReply* reply = reply_.data();
    if (!reply || !installerFile_) return;
    if (HttpStatus(reply) != 200) return;  // an error page is not the program
    const QByteArray chunk = reply->readAll();
    installerHash_.addData(chunk);
    installerBytes_ += chunk.size();
    if (!writeFailed_ && installerFile_->write(chunk) != chunk.size()) writeFailed_ = true;
}

void TFUpdate::InstallerFinished() {
    QNetworkReply* reply = reply_.data();
    if (!reply) return;
    InstallerReadyRead();
    reply->deleteLater();
    const bool ok = reply->error() == QNetworkReply::NoError && HttpStatus(reply) == 200;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (ok || HttpStatus(reply) == 200) {
        if (length.isValid()) announcedSize_ = length.toLongLong();
    }
    installerTransferOk_ = ok && !writeFailed_;
    if (!ok && installerBytes_ == 0) {
        // Nothing of the program arrived: say why in the words of the transfer.
        DiscardInstaller();
        ReportTransferError(reply, MessageId::UpdateNoConnectionDownload,
                            MessageId::UpdateDownloadFailed);
        return;
    }
    if (!ok) {
        FinishInstaller(false, std::nullopt);
        return;
    }
    // Is a SHA-256 published beside the program?
    phase_ = Phase::Digest;
    QNetworkReply* digest =
        Fetch(QString::fromUtf8(kInstallerRemotePath) + QString::fromUtf8(kDigestSuffix));
    connect(digest, &QNetworkReply::downloadProgress, this, [digest](qint64 received, qint64) {
        if (received > kVersionFileLimit) digest->abort();
    });
    connect(digest, &QNetworkReply::finished, this, &TFUpdate::DigestFinished);
}

void TFUpdate::DiscardInstaller() {
    installerFile_->cancelWriting();
    installerFile_.reset();
    EndTransfer();
    // The offered version is still there to fetch again.
    bDown_->setEnabled(true);
    gauge3_->setRange(0, 100);
    gauge3_->setValue(0);
}

void TFUpdate::DigestFinished() {
    QNetworkReply* reply = reply_.data();
    if (!reply) return;
    reply->deleteLater();
    const int status = HttpStatus(reply);
    if (status == 404 || status == 410) {
        FinishInstaller(false, std::nullopt);
        return;
    }
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        // The digest exists or cannot be told apart from one: without it nothing is started.
        DiscardInstaller();
        ReportTransferError(reply, MessageId::UpdateNoConnectionDownload,
                            MessageId::UpdateDownloadFailed);
        return;
    }
    const QByteArray text = reply->readAll();
    FinishInstaller(true, ParseDigestFile(std::string_view(text.constData(),
                                                           static_cast<size_t>(text.size()))));
}

void TFUpdate::FinishInstaller(bool digestPublished, std::optional<std::string> publishedDigest) {
    DownloadFacts facts;
    facts.transferOk = installerTransferOk_;
    if (announcedSize_ && *announcedSize_ >= 0) {
        facts.announcedSize = static_cast<uint64_t>(*announcedSize_);
    }
    facts.receivedSize = static_cast<uint64_t>(installerBytes_);
    facts.digestPublished = digestPublished;
    facts.publishedDigest = std::move(publishedDigest);
    facts.receivedDigest = installerHash_.result().toHex().toStdString();
    const DownloadVerdict verdict = CheckDownload(facts);

    if (verdict == DownloadVerdict::Whole && installerFile_->commit()) {
        installerFile_.reset();
        EndTransfer();
        gauge3_->setRange(0, 100);
        gauge3_->setValue(100);
        bDown_->setEnabled(false);
        bSetup_->setEnabled(true);
        return;
    }
    DiscardInstaller();
    switch (verdict) {
        case DownloadVerdict::SizeMismatch:
            Show(MessageId::UpdateDownloadIncomplete,
                 {QString::number(installerBytes_), QString::number(*facts.announcedSize)});
            break;
        case DownloadVerdict::SizeUnknown:
            Show(MessageId::UpdateDownloadSizeUnknown);
            break;
        case DownloadVerdict::DigestUnreadable:
            Show(MessageId::UpdateDigestUnreadable);
            break;
        case DownloadVerdict::DigestMismatch:
            Show(MessageId::UpdateDigestMismatch);
            break;
        case DownloadVerdict::TransferFailed:
        case DownloadVerdict::Whole:  // whole, but it could not be renamed into place
            Show(MessageId::UpdateDownloadFailed, {services_.network->UpdateServer().toString()});
            break;
    }
}

// ---- "Installation"

void TFUpdate::BSetupClick() {
    if (Busy() || !bSetup_->isEnabled()) return;
    const QString installer = FromPath(context_.folders.appDataFolder / kInstallerFileName);
    if (installStyle_ == InstallStyle::Windows) {
        InstallOnWindows(installer);
    } else {
        InstallOnDesktop(installer);
    }
}

void TFUpdate::InstallOnWindows(const QString& installer) {
    const MessageAnswer answer =
        ShowMessage(services_, this, context_.Language, MessageId::UpdateInstallQuestion,
                    {AppDataFolderText()});
    if (answer != MessageAnswer::Yes) {
        Show(MessageId::UpdateInstallDeclined, {AppDataFolderText(), ExeFolderText()});
        return;
    }
    if (!QFileInfo::exists(installer) ||
        !services_.desktop->OpenUrl(QUrl::fromLocalFile(installer))) {
        Show(MessageId::UpdateStartFailed, {AppDataFolderText()});
        return;
    }
    // The clean-up script removes the old program file once Kombora has ended; it lives in
    // the temporary folder, so it does not run inside the program folder.
    QTemporaryFile script(QDir::tempPath() + QStringLiteral("/uisXXXXXX.bat"));
    script.setAutoRemove(false);
    if (script.open()) {
        const QString scriptPath = QDir::toNativeSeparators(script.fileName());
        const QString programFile = QDir::toNativeSeparators(
            FromPath(context_.folders.exeFolder /
                     ToPath(QFileInfo(QCoreApplication::applicationFilePath()).fileName())));
        QFile::setPermissions(programFile, QFile::ReadOwner | QFile::WriteOwner);
        const std::string text = Utf8ToWindows1252(CleanupScript(
            programFile.toStdString(), ExeFolderText().toStdString(), scriptPath.toStdString()));
        const bool written = script.write(text.data(), static_cast<qint64>(text.size())) ==
                                 static_cast<qint64>(text.size()) &&
                             script.flush();
        script.close();
        if (!written || !services_.desktop->StartProgram(
                            QStringLiteral("cmd.exe"),
                            {QStringLiteral("/d"), QStringLiteral("/c"), scriptPath})) {
            // A script that cannot run would stay behind: nothing is left in the folder.
            QFile::remove(script.fileName());
        }
    }
    services_.desktop->EndProgram();
}

void TFUpdate::InstallOnDesktop(const QString& installer) {
    if (!QFileInfo::exists(installer) ||
        !services_.desktop->OpenUrl(QUrl::fromLocalFile(installer))) {
        Show(MessageId::UpdateStartFailed, {AppDataFolderText()});
        return;
    }
    Show(MessageId::UpdateHandedToDesktop, {QDir::toNativeSeparators(installer)});
}

}  // namespace kombora::gui
