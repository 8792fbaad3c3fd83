#include "help.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>
#include <system_error>

#include "form_exists.h"
#include "io/text_encoding.h"
#include "message_box.h"

namespace kombora::gui {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(PathToUtf8(path));
}

// The page browser: pages of the help collection come from the help engine, everything else
// (the plain pages without a collection) from the disk.
class HelpBrowser : public QTextBrowser {
  public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (engine_ != nullptr && name.scheme() == QStringLiteral("qthelp")) {
            return engine_->fileData(name);
        }
        return QTextBrowser::loadResource(type, name);
    }

  private:
    QHelpEngine* engine_;
};

}  // namespace

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
    // The engine (and its indexing thread) ends before its copy of the collection goes.
    delete engine_;
}

bool HelpSystem::Attach(const std::filesystem::path& helpFolder, QWidget* messageParent) {
    folder_ = helpFolder;
    std::error_code ec;
    attached_ = std::filesystem::is_directory(helpFolder, ec);
    if (!attached_) {
        ShowMessage(services_, messageParent, 0, MessageId::StartupHelpFileMissing,
                    {PathText(helpFolder)});
        return false;
    }
    OpenCollection();
    return true;
}

void HelpSystem::OpenCollection() {
    const auto collection = folder_ / kHelpCollectionName;
    const auto documentation = folder_ / kHelpDocumentationName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(collection, ec) ||
        !std::filesystem::is_regular_file(documentation, ec)) {
        return;
    }
    // The engine writes into its collection and keeps the search index beside it; the
    // program folder need not be writable, so it works on a copy of both files.
    auto copy = std::make_unique<QTemporaryDir>();
    if (!copy->isValid()) return;
    const QString copiedCollection = copy->filePath(QString::fromUtf8(kHelpCollectionName));
    if (!QFile::copy(PathText(collection), copiedCollection) ||
        !QFile::copy(PathText(documentation),
                     copy->filePath(QString::fromUtf8(kHelpDocumentationName)))) {
        return;
    }
    QFile::setPermissions(copiedCollection,
                          QFile::permissions(copiedCollection) | QFileDevice::WriteOwner);
    auto* engine = new QHelpEngine(copiedCollection, this);
    engine->setReadOnly(false);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) {
        delete engine;
        return;
    }
    collectionCopy_ = std::move(copy);
    engine_ = engine;
    QHelpSearchEngine* search = engine_->searchEngine();
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this] { indexReady_ = false; });
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexReady_ = true;
        emit searchIndexReady();
        if (searchPending_) RunSearch();
    });
    search->reindexDocumentation();
}

std::filesystem::path HelpSystem::TopicFile(int context) const {
    return folder_ / (std::to_string(context) + ".html");
}

QUrl HelpSystem::TopicUrl(int context) const {
    if (engine_ != nullptr) {
        const QStringList namespaces = engine_->registeredDocumentations();
        const QUrl url(
            QStringLiteral("qthelp://%1/doc/%2.html").arg(namespaces.first()).arg(context));
        if (!engine_->findFile(url).isEmpty()) return url;
    }
    return QUrl::fromLocalFile(PathText(TopicFile(context)));
}

QWidget* HelpSystem::window() const {
    return window_.data();
}

void HelpSystem::EnsureWindow() {
    if (window_) return;
    if (searchWidgetsTaken_ && engine_ != nullptr) {
        // The search engine keeps pointers to the search widgets it handed out, which went
        // with the last window (its owner was destroyed): start from a fresh engine.
        delete engine_;
        engine_ = nullptr;
        indexReady_ = false;
        collectionCopy_.reset();
        OpenCollection();
    }
    auto* dialog = new QDialog(owner_.data(), Qt::Window);
    dialog->setObjectName(QStringLiteral("FHelp"));
    dialog->setWindowTitle(QStringLiteral("Kombora Help"));
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->resize(engine_ != nullptr ? 860 : 640, 560);
    auto* layout = new QVBoxLayout(dialog);
    browser_ = new HelpBrowser(engine_, dialog);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    if (engine_ != nullptr) {
        // The search beside the page: words to find, the pages that hold them.
        QHelpSearchEngine* search = engine_->searchEngine();
        auto* splitter = new QSplitter(Qt::Horizontal, dialog);
        searchPanel_ = new QWidget(splitter);
        searchPanel_->setObjectName(QStringLiteral("HelpSearch"));
        auto* searchLayout = new QVBoxLayout(searchPanel_);
        searchLayout->setContentsMargins(0, 0, 0, 0);
        searchLayout->addWidget(
            new QLabel(QStringLiteral("Search in the help pages:"), searchPanel_));
        searchWidgetsTaken_ = true;
        QHelpSearchQueryWidget* query = search->queryWidget();
        query->setParent(searchPanel_);
        searchLayout->addWidget(query);
        QHelpSearchResultWidget* results = search->resultWidget();
        results->setParent(searchPanel_);
        searchLayout->addWidget(results, 1);
        connect(query, &QHelpSearchQueryWidget::search, this, &HelpSystem::RunSearch);
        connect(results, &QHelpSearchResultWidget::requestShowLink, browser_,
                [this](const QUrl& url) { browser_->setSource(url); });
        splitter->addWidget(searchPanel_);
        splitter->addWidget(browser_);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({260, 600});
        layout->addWidget(splitter, 1);
    } else {
        layout->addWidget(browser_, 1);
    }
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

void HelpSystem::RunSearch() {
    if (engine_ == nullptr) return;
    QHelpSearchEngine* search = engine_->searchEngine();
    if (!indexReady_) {
        // The index is still being built; the search runs once it is there.
        searchPending_ = true;
        return;
    }
    searchPending_ = false;
    search->search(search->queryWidget()->searchInput());
}

void HelpSystem::Present() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == window_) modal = nullptr;
    const Qt::WindowModality modality = modal != nullptr ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != modality) {
        // The modality of a shown window takes effect when it is shown again.
        window_->hide();
        window_->setWindowModality(modality);
    }
    QWidget* over = modal != nullptr ? modal : owner_.data();
    if (over == nullptr) over = QApplication::activeWindow();
    const bool opening = !window_->isVisible();
    if (window_->isMinimized()) window_->showNormal();
    window_->show();
    // Placed once shown: a dialog shown for the first time centres itself over its parent,
    // which is the main window, not the message box that asked for help.
    if (opening) CentreOver(window_, over);
    window_->raise();
    window_->activateWindow();
}

void HelpSystem::ShowTopic(int context) {
    if (!attached_ || context <= 0) return;
    const auto file = TopicFile(context);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ShowMessage(services_, QApplication::activeWindow(), 0, MessageId::StartupHelpFileMissing,
                    {PathText(file)});
        return;
    }
    EnsureWindow();
    browser_->setSource(TopicUrl(context));
    Present();
}

void HelpSystem::ShowSearch() {
    if (!attached_) return;
    EnsureWindow();
    if (browser_->source().isEmpty()) browser_->setSource(TopicUrl(1010));
    Present();
    if (engine_ != nullptr) engine_->searchEngine()->queryWidget()->setFocus();
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
