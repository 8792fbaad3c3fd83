#include "real_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <optional>

#include "app/startup.h"

namespace kombora::gui {

namespace {

QMessageBox::Icon IconFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
        case MessageKind::Warning:
            return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QStyle::StandardPixmap PixmapFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return QStyle::SP_MessageBoxCritical;
        case MessageKind::Information:
            return QStyle::SP_MessageBoxInformation;
        case MessageKind::Confirmation:
            return QStyle::SP_MessageBoxQuestion;
        case MessageKind::Warning:
            return QStyle::SP_MessageBoxWarning;
    }
    return QStyle::SP_MessageBoxInformation;
}

QDialogButtonBox::StandardButtons ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QDialogButtonBox::Ok;
        case MessageButtons::YesNo:
            return QDialogButtonBox::Yes | QDialogButtonBox::No;
        case MessageButtons::YesNoCancel:
            return QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel;
    }
    return QDialogButtonBox::Ok;
}

std::optional<MessageAnswer> AnswerFor(int button) {
    switch (button) {
        case QDialogButtonBox::Ok:
            return MessageAnswer::Ok;
        case QDialogButtonBox::Yes:
            return MessageAnswer::Yes;
        case QDialogButtonBox::No:
            return MessageAnswer::No;
        case QDialogButtonBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return std::nullopt;
    }
}

// What closing a dialog with Escape or its close button means.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

MessageAnswer ShowPlain(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(IconFor(request.kind), QString::fromUtf8(kProductName),
                    DisplayText(request.text), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setStandardButtons(
        static_cast<QMessageBox::StandardButtons>(static_cast<int>(ButtonsFor(request.buttons))));
    const int pressed = box.exec();
    return AnswerFor(pressed).value_or(EscapeAnswer(request.buttons));
}

// The dialog in the main window's look: a coloured title band, the icon, the text and the
// buttons; a help button when the message has a help topic.
MessageAnswer ShowStyled(QWidget* parent, const MessageRequest& request, HelpService* help) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Dia1"));
    dialog.setWindowTitle(QString::fromUtf8(kProductName));
    dialog.setModal(true);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 12);
    auto* band = new QLabel(QString::fromUtf8(kProductName), &dialog);
    band->setObjectName(QStringLiteral("Dia1Title"));
    layout->addWidget(band);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 8, 16, 8);
    body->setSpacing(14);
    auto* icon = new QLabel(&dialog);
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(dialog.style()->standardIcon(PixmapFor(request.kind)).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon);
    auto* text = new QLabel(DisplayText(request.text), &dialog);
    text->setObjectName(QStringLiteral("Dia1Text"));
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    body->addWidget(text, 1);
    layout->addLayout(body);

    auto* buttonBox = new QDialogButtonBox(ButtonsFor(request.buttons), &dialog);
    buttonBox->setContentsMargins(16, 0, 16, 0);
    if (request.helpContext > 0 && help) {
        QPushButton* helpButton = buttonBox->addButton(QDialogButtonBox::Help);
        QObject::connect(helpButton, &QPushButton::clicked, &dialog,
                         [help, context = request.helpContext] { help->ShowTopic(context); });
    }
    layout->addWidget(buttonBox);

    MessageAnswer answer = EscapeAnswer(request.buttons);
    QObject::connect(buttonBox, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        const auto role = buttonBox->standardButton(button);
        if (role == QDialogButtonBox::Help) return;
        answer = AnswerFor(role).value_or(answer);
        dialog.accept();
    });
    dialog.exec();
    return answer;
}

class QtFileDialogService : public FileDialogService {
  public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    }
};

#ifndef Q_OS_WIN
// The MIME type of .xlsx workbooks.
constexpr const char* kXlsxMimeType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// Whether a line "type=..." or a desktop entry's "MimeType=...;type;..." names the type.
bool ListsMimeType(const QString& text, const QString& type) {
    const auto lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(type + QLatin1Char('='))) {
            return !line.mid(type.size() + 1).trimmed().isEmpty();
        }
        if (line.startsWith(QStringLiteral("MimeType="))) {
            const auto types = line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            if (types.contains(type)) return true;
        }
    }
    return false;
}

QString ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.read(4 * 1024 * 1024));
}

// The desktop's association of a MIME type with a program: the users' and the system's
// mimeapps.list, the caches of the application folders and their desktop entries.
bool DesktopHasProgramFor(const QString& type) {
    QStringList lists;
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        lists << dir + QStringLiteral("/mimeapps.list");
    const QStringList appDirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : appDirs) {
        lists << dir + QStringLiteral("/mimeapps.list") << dir + QStringLiteral("/mimeinfo.cache");
    }
    for (const QString& list : lists) {
        if (ListsMimeType(ReadSmallFile(list), type)) return true;
    }
    for (const QString& dir : appDirs) {
        const QStringList entries =
            QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable);
        for (const QString& entry : entries) {
            if (ListsMimeType(ReadSmallFile(dir + QLatin1Char('/') + entry), type)) return true;
        }
    }
    return false;
}
#endif

class QtDesktopService : public DesktopService {
  public:
    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    QString FindProgram(const QString& name) override {
        return QStandardPaths::findExecutable(name);
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }
    void EndProgram() override { QCoreApplication::exit(0); }
    QString DocumentsFolder() override {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return folder.isEmpty() ? QDir::homePath() : folder;
    }
    bool SpreadsheetProgramInstalled() override {
#ifdef Q_OS_WIN
        QSettings key(QStringLiteral("HKEY_CLASSES_ROOT\\Excel.Application"),
                      QSettings::NativeFormat);
        return !key.childGroups().isEmpty() || !key.childKeys().isEmpty();
#else
        return DesktopHasProgramFor(QString::fromLatin1(kXlsxMimeType));
#endif
    }
};

#ifndef KOMBORA_UPDATE_SERVER
#define KOMBORA_UPDATE_SERVER "https://kombora.example.org"
#endif

class QtNetworkService : public NetworkService {
  public:
    bool IsOnline() override {
        // Without a backend for the connection state the system cannot tell; the transfer
        // itself then shows whether the server is reachable.
        if (!QNetworkInformation::instance() && !LoadReachability()) return true;
        const auto* information = QNetworkInformation::instance();
        return !information ||
               information->reachability() != QNetworkInformation::Reachability::Disconnected;
    }
    QNetworkAccessManager* AccessManager() override { return &manager_; }
    QUrl UpdateServer() override { return QUrl(QStringLiteral(KOMBORA_UPDATE_SERVER)); }
    bool PlainLoopbackAllowed() override { return false; }

  private:
    static bool LoadReachability() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0)
        return QNetworkInformation::loadBackendByFeatures(
            QNetworkInformation::Feature::Reachability);
#else
        return QNetworkInformation::load(QNetworkInformation::Feature::Reachability);
#endif
    }

    QNetworkAccessManager manager_;
};

class QtClipboardService : public ClipboardService {
  public:
    QString Text() override { return QApplication::clipboard()->text(); }
    void SetText(const QString& text) override { QApplication::clipboard()->setText(text); }
};

class EventLoopWaitService : public WaitService {
  public:
    void Wait(int milliseconds) override {
        if (milliseconds <= 0) {
            ProcessEvents();
            return;
        }
        QEventLoop loop;
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    int64_t NowMilliseconds() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    QDate Today() override { return QDate::currentDate(); }
    QDateTime Now() override { return QDateTime::currentDateTime(); }
};

class ClockSeedService : public RandomSeedService {
  public:
    uint64_t Seed() override {
        return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
};

}  // namespace

QString DisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MessageAnswer DialogMessageService::Show(QWidget* parent, const MessageRequest& request) {
    return request.style == MessageStyle::Styled ? ShowStyled(parent, request, help_)
                                                 : ShowPlain(parent, request);
}

RealServices::RealServices()
    : messages_(std::make_unique<DialogMessageService>()),
      fileDialogs_(std::make_unique<QtFileDialogService>()),
      desktop_(std::make_unique<QtDesktopService>()),
      clipboard_(std::make_unique<QtClipboardService>()),
      waits_(std::make_unique<EventLoopWaitService>()),
      randomSeed_(std::make_unique<ClockSeedService>()),
      network_(std::make_unique<QtNetworkService>()) {
    services_.messages = messages_.get();
    services_.fileDialogs = fileDialogs_.get();
    services_.desktop = desktop_.get();
    services_.clipboard = clipboard_.get();
    services_.waits = waits_.get();
    services_.randomSeed = randomSeed_.get();
    services_.network = network_.get();
}

RealServices::~RealServices() = default;

void RealServices::SetHelp(HelpService* help) {
    services_.help = help;
    messages_->SetHelp(help);
}

}  // namespace kombora::gui
