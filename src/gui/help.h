#pragma once

// The help pages: one HTML page per help context number in the folder "help" beside the
// program ("<context>.html"), shown in the help window. F1 opens the topic of the focused
// control or of its nearest parent that has one (dynamic property "helpContext").

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>

#include "services.h"

class QWidget;
class QTextBrowser;

namespace kombora::gui {

inline constexpr const char* kHelpContextProperty = "helpContext";
inline constexpr const char* kHelpFolderName = "help";

// The help folder for a program in `exeFolder`: "help" beside the program, or, for an
// installation below a prefix (bin/kombora), share/kombora/help of that prefix when only that
// one exists.
std::filesystem::path HelpFolderFor(const std::filesystem::path& exeFolder);

void SetHelpContext(QWidget* widget, int context);
// The help context of `widget` or of its nearest parent with one; 0 when none has one.
int HelpContextOf(const QWidget* widget);

// The help window: a browser that shows one page at a time.
class HelpWindow;

class HelpSystem : public QObject, public HelpService {
    Q_OBJECT
  public:
    explicit HelpSystem(const Services& services, QObject* parent = nullptr);
    ~HelpSystem() override;

    // Attaches the help folder. When it is missing, shows "Hilfe-Datei <path> nicht
    // gefunden." and help stays detached; returns whether help is attached.
    bool Attach(const std::filesystem::path& helpFolder, QWidget* messageParent);
    bool attached() const { return attached_; }
    const std::filesystem::path& folder() const { return folder_; }
    // The page file of a context number.
    std::filesystem::path TopicFile(int context) const;

    void ShowTopic(int context) override;
    // The help window when it has been opened (for tests).
    QWidget* window() const;

  private:
    const Services& services_;
    std::filesystem::path folder_;
    bool attached_ = false;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
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
