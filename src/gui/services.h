#pragma once

// Every effect the GUI has outside its own windows goes through one of these interfaces, so
// that tests can replace them (see testing/fake_services.h). Windows and pages receive a
// Services reference together with the AppContext.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>

#include "app/messages.h"

class QNetworkAccessManager;
class QWidget;

namespace kombora::gui {

// Kinds, buttons, answers and the two dialog styles come from the message table: the plain
// dialog of the platform (German texts and the German-only messages) or the dialog styled like
// the main window (English texts).
using ::kombora::MessageAnswer;
using ::kombora::MessageButtons;
using ::kombora::MessageKind;
using ::kombora::MessageStyle;

struct MessageRequest {
    MessageKind kind = MessageKind::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageStyle style = MessageStyle::Plain;
    QString text;         // line breaks as "\r"; the dialogs show them as lines
    int helpContext = 0;  // help topic behind the dialog's help button; 0 none
    QString key;          // the message's key in the message table, for tests and logs
};

// Shows a modal message box and returns the button pressed.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer Show(QWidget* parent, const MessageRequest& request) = 0;
};

// Open and save dialogs. An empty result means the user cancelled.
class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
};

// Documents, addresses and other programs.
class DesktopService {
  public:
    virtual ~DesktopService() = default;
    // Opens a document or an address (mailto:, https:) with the desktop's program for it.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // The full path of a program found on the search path; empty when there is none.
    virtual QString FindProgram(const QString& name) = 0;
    // Starts a program detached from Kombora.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // Ends Kombora at once, without the closing work of the main window (starting a
    // downloaded update on Windows).
    virtual void EndProgram() = 0;
    // The user's documents folder, where exported workbooks go.
    virtual QString DocumentsFolder() = 0;
    // ExcelInstalled: whether the desktop has a program for .xlsx workbooks (on Windows the
    // class "Excel.Application", elsewhere the desktop's association of the .xlsx type).
    virtual bool SpreadsheetProgramInstalled() = 0;
};

// The network: every transfer goes through the access manager given here.
class NetworkService {
  public:
    virtual ~NetworkService() = default;
    // False only when the system knows that there is no connection; true when it cannot tell.
    virtual bool IsOnline() = 0;
    virtual QNetworkAccessManager* AccessManager() = 0;
    // The maker's web server, for example "https://kombora.example.org".
    virtual QUrl UpdateServer() = 0;
    // Plain HTTP to 127.0.0.1: true only for the tests' own server, never in the program.
    virtual bool PlainLoopbackAllowed() = 0;
};

class ClipboardService {
  public:
    virtual ~ClipboardService() = default;
    virtual QString Text() = 0;
    virtual void SetText(const QString& text) = 0;
};

// Waits that keep the window alive (pending events are processed) and the clock.
class WaitService {
  public:
    virtual ~WaitService() = default;
    // Waits about `milliseconds`, processing pending events meanwhile.
    virtual void Wait(int milliseconds) = 0;
    // Lets pending events run without waiting.
    virtual void ProcessEvents() = 0;
    // Milliseconds since an arbitrary start.
    virtual int64_t NowMilliseconds() = 0;
    // Today's date on the user's clock.
    virtual QDate Today() = 0;
    // The date and time on the user's clock.
    virtual QDateTime Now() = 0;
};

// The seed of the random choice.
class RandomSeedService {
  public:
    virtual ~RandomSeedService() = default;
    virtual uint64_t Seed() = 0;
};

// The help pages: opening a topic by its help context number.
class HelpService {
  public:
    virtual ~HelpService() = default;
    // Shows topic `context`; does nothing when no help is attached.
    virtual void ShowTopic(int context) = 0;
    // Opens the help window at its full-text search; does nothing when no help is attached.
    virtual void ShowSearch() = 0;
};

// The interfaces a window or page uses; the pointers are never null and outlive the windows.
struct Services {
    MessageService* messages = nullptr;
    FileDialogService* fileDialogs = nullptr;
    DesktopService* desktop = nullptr;
    ClipboardService* clipboard = nullptr;
    WaitService* waits = nullptr;
    RandomSeedService* randomSeed = nullptr;
    HelpService* help = nullptr;
    NetworkService* network = nullptr;
};

}  // namespace kombora::gui
