#pragma once

// Test doubles for every outside effect of the GUI. A FakeServices object owns one of each
// and hands them out as a Services struct; tests inspect and script them directly.

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>

#include "services.h"

namespace kombora::gui::testing {

// Records every message and answers questions from a queue. A question with an empty queue
// gets No (Yes/No) or Cancel (Yes/No/Cancel); an OK box always gets Ok.
class FakeMessageService : public MessageService {
  public:
    MessageAnswer Show(QWidget* parent, const MessageRequest& request) override;

    QList<MessageRequest> shown;
    QQueue<MessageAnswer> answers;

    // The text of the last message; empty when none was shown.
    QString LastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void Clear() { shown.clear(); }
};

// Returns scripted file names; an empty queue means the user cancelled.
class FakeFileDialogService : public FileDialogService {
  public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;

    QQueue<QString> openNames;
    QQueue<QString> saveNames;
    QStringList foldersAsked;  // the start folder of every dialog, in order
};

class FakeDesktopService : public DesktopService {
  public:
    bool OpenUrl(const QUrl& url) override;
    QString FindProgram(const QString& name) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    void EndProgram() override { ++programEnded; }
    QString DocumentsFolder() override { return documentsFolder; }
    bool SpreadsheetProgramInstalled() override { return spreadsheetInstalled; }

    QList<QUrl> openedUrls;
    QStringList programsLookedFor;
    QStringList availablePrograms;  // names FindProgram finds, as "/usr/bin/" + name
    QStringList startedPrograms;
    QList<QStringList> startedArguments;
    bool succeed = true;
    int programEnded = 0;
    QString documentsFolder;
    bool spreadsheetInstalled = true;
};

// A real access manager (the tests run a server of their own on 127.0.0.1) with a scripted
// connection state and server address; plain HTTP to the loopback address is allowed.
class FakeNetworkService : public NetworkService {
  public:
    FakeNetworkService();
    ~FakeNetworkService() override;
    bool IsOnline() override { return online; }
    QNetworkAccessManager* AccessManager() override;
    QUrl UpdateServer() override { return server; }
    bool PlainLoopbackAllowed() override { return plainLoopbackAllowed; }

    bool online = true;
    QUrl server = QUrl(QStringLiteral("http://127.0.0.1:9"));
    bool plainLoopbackAllowed = true;

  private:
    QNetworkAccessManager* manager_ = nullptr;
};

class FakeClipboardService : public ClipboardService {
  public:
    QString Text() override { return text; }
    void SetText(const QString& value) override { text = value; }
    QString text;
};

// Waits return at once; the clock moves by the time waited.
class FakeWaitService : public WaitService {
  public:
    void Wait(int milliseconds) override;
    void ProcessEvents() override;
    int64_t NowMilliseconds() override { return now; }
    QDate Today() override { return today; }
    QDateTime Now() override { return dateTime; }

    int64_t now = 0;
    QDate today = QDate(2024, 3, 15);
    QDateTime dateTime = QDateTime(QDate(2024, 3, 15), QTime(12, 0, 0));
    int64_t totalWaited = 0;
    int waits = 0;
    bool processEvents = true;  // let pending events run on each wait
};

class FakeRandomSeedService : public RandomSeedService {
  public:
    uint64_t Seed() override { return seed; }
    uint64_t seed = 12345;
};

class FakeHelpService : public HelpService {
  public:
    void ShowTopic(int context) override { topics.append(context); }
    void ShowSearch() override { ++searches; }
    QList<int> topics;
    int searches = 0;
};

class FakeServices {
  public:
    FakeServices();

    Services& services() { return services_; }
    operator Services&() { return services_; }

    FakeMessageService messages;
    FakeFileDialogService fileDialogs;
    FakeDesktopService desktop;
    FakeClipboardService clipboard;
    FakeWaitService waits;
    FakeRandomSeedService randomSeed;
    FakeHelpService help;
    FakeNetworkService network;

  private:
    Services services_;
};

}  // namespace kombora::gui::testing
