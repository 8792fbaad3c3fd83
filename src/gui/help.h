#pragma once

// The help pages: one HTML page per help context number in the folder "help" beside the
// program ("<context>.html"), shown in the help window. F1 opens the topic of the focused
// control or of its nearest parent that has one (dynamic property "helpContext").
//
// The build also turns the pages into a Qt help collection (kombora.qhc with kombora.qch, from
// kombora.qhcp and kombora.qhp). When the folder holds it, the window shows the pages through
// QHelpEngine and offers its full-text search; without it the window shows the plain pages.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "services.h"

class QHelpEngine;
class QTemporaryDir;
class QTextBrowser;
class QWidget;

namespace kombora::gui {

inline constexpr const char* kHelpContextProperty = "helpContext";
inline constexpr const char* kHelpFolderName = "help";
inline constexpr const char* kHelpCollectionName = "kombora.qhc";
inline constexpr const char* kHelpDocumentationName = "kombora.qch";

// The help folder for a program in `exeFolder`: "help" beside the program, or, for an
// installation below a prefix (bin/kombora), share/kombora/help of that prefix when only that
// one exists.
std::filesystem::path HelpFolderFor(const std::filesystem::path& exeFolder);

void SetHelpContext(QWidget* widget, int context);
// The help context of `widget` or of its nearest parent with one; 0 when none has one.
int HelpContextOf(const QWidget* widget);

class HelpSystem : public QObject, public HelpService {
    Q_OBJECT
  public:
    explicit HelpSystem(const Services& services, QObject* parent = nullptr);
    ~HelpSystem() override;

    // Attaches the help folder. When it is missing, shows "Hilfe-Datei <path> nicht
    // gefunden." and help stays detached; returns whether help is attached. Opens the help
    // collection when the folder holds one and starts indexing it for the search.
    bool Attach(const std::filesystem::path& helpFolder, QWidget* messageParent);
    bool attached() const { return attached_; }
    const std::filesystem::path& folder() const { return folder_; }
    // The page file of a context number.
    std::filesystem::path TopicFile(int context) const;

    // The window help belongs to: the help window stays in front of it and opens centred
    // over it. Without one it opens over the active window.
    void SetOwnerWindow(QWidget* owner) { owner_ = owner; }

    void ShowTopic(int context) override;
    void ShowSearch() override;

    // The help window when it has been opened (for tests).
    QWidget* window() const;
    // The help engine of the collection; nullptr when the folder has none.
    QHelpEngine* engine() const { return engine_; }
    // Whether the full-text index is built and a search can run.
    bool searchReady() const { return indexReady_; }

  signals:
    // The full-text index has been built.
    void searchIndexReady();

  private:
    void OpenCollection();
    void EnsureWindow();
    // Shows the window in front: over a modal dialog it is modal itself, so that it can be
    // used (and is not left behind the main window); otherwise it is an ordinary window.
    void Present();
    QUrl TopicUrl(int context) const;
    void RunSearch();

    const Services& services_;
    std::filesystem::path folder_;
    bool attached_ = false;
    QPointer<QWidget> owner_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    QWidget* searchPanel_ = nullptr;
    std::unique_ptr<QTemporaryDir> collectionCopy_;
    QHelpEngine* engine_ = nullptr;
    bool indexReady_ = false;
    bool searchWidgetsTaken_ = false;
    bool searchPending_ = false;
};

// Catches F1 anywhere in the program and opens the topic of the focused control.
class HelpKeyFilter : public QObject {
    Q_OBJECT
  public:
    HelpKeyFilter(HelpService& help, QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpService& help_;
};

}  // namespace kombora::gui
