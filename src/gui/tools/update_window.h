#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/context.h"
#include "services.h"

class QLabel;
class QNetworkReply;
class QProgressBar;
class QPushButton;
class QSaveFile;

namespace kombora::gui {

// The update window: asks the maker's web server which version it offers, downloads that
// version's installation program and starts it. Every transfer runs asynchronously, so the
// window stays responsive; while one runs, "Check" and "Download" do nothing.
//
// The installation program is kept only when it arrived whole (announced size, and the
// server's SHA-256 where it publishes one) and reaches its place by renaming a temporary file.
class TFUpdate : public QWidget {
    Q_OBJECT
  public:
    // How "Installation" starts the downloaded program: on Windows it is started and Kombora
    // ends, leaving a clean-up script behind; elsewhere the file goes to the desktop and
    // Kombora keeps running.
    enum class InstallStyle { Windows, Desktop };

    TFUpdate(AppContext& context, const Services& services, QWidget* parent = nullptr);
    ~TFUpdate() override;

    QPushButton* BCalc() const { return bCalc_; }
    QLabel* PiVersion() const { return piVersion_; }
    QLabel* PvVersion() const { return pvVersion_; }
    QPushButton* BDown() const { return bDown_; }
    QProgressBar* Gauge3() const { return gauge3_; }
    QPushButton* BSetup() const { return bSetup_; }

    // True while a transfer runs.
    bool Busy() const { return !reply_.isNull(); }
    void SetInstallStyle(InstallStyle style) { installStyle_ = style; }

  public slots:
    void BCalcClick();
    void BDownClick();
    void BSetupClick();
    // Download progress: `received` of `total` bytes (total <= 0: not announced).
    void DataProgress(qint64 received, qint64 total);

  signals:
    // A check or download has ended, whatever its outcome (the window is idle again).
    void transferEnded();

  private:
    enum class Phase { Idle, Version, Installer, Digest };

    // Checks the address and the connection; shows the fitting message and returns false
    // when nothing may be fetched.
    bool MayFetch(MessageId noConnection);
    QNetworkReply* Fetch(const QString& remotePath);
    void VersionFinished();
    void InstallerReadyRead();
    void InstallerFinished();
    void DigestFinished();
    // Drops the half-received or refused program; "Download" may be tried again.
    void DiscardInstaller();
    // Decides on the received installation program and keeps or discards it.
    void FinishInstaller(bool digestPublished, std::optional<std::string> publishedDigest);
    // Shows the message for a failed transfer; `noConnection` for a server that cannot be
    // reached, `failed` for every other error.
    void ReportTransferError(QNetworkReply* reply, MessageId noConnection, MessageId failed);
    void EndTransfer();
    void InstallOnWindows(const QString& installer);
    void InstallOnDesktop(const QString& installer);
    QString AppDataFolderText() const;
    QString ExeFolderText() const;
    void Show(MessageId id, const QStringList& args = {});

    AppContext& context_;
    const Services& services_;
    QPushButton* bCalc_ = nullptr;
    QLabel* piVersion_ = nullptr;
    QLabel* pvVersion_ = nullptr;
    QPushButton* bDown_ = nullptr;
    QProgressBar* gauge3_ = nullptr;
    QPushButton* bSetup_ = nullptr;

    InstallStyle installStyle_;
    Phase phase_ = Phase::Idle;
    QPointer<QNetworkReply> reply_;
    // The installation program being received: written through a temporary name, renamed
    // into place only when it arrived whole.
    std::unique_ptr<QSaveFile> installerFile_;
    QCryptographicHash installerHash_{QCryptographicHash::Sha256};
    qint64 installerBytes_ = 0;
    std::optional<qint64> announcedSize_;
    bool installerTransferOk_ = false;
    bool writeFailed_ = false;
    QUrl installerUrl_;
};

}  // namespace kombora::gui
