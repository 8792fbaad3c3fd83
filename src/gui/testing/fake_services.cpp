#include "testing/fake_services.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

namespace kombora::gui::testing {

MessageAnswer FakeMessageService::Show(QWidget*, const MessageRequest& request) {
    shown.append(request);
    if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (!answers.isEmpty()) return answers.dequeue();
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

QString FakeFileDialogService::OpenFileName(QWidget*, const QString&, const QString& folder,
                                            const QString&) {
    foldersAsked.append(folder);
    return openNames.isEmpty() ? QString() : openNames.dequeue();
}

QString FakeFileDialogService::SaveFileName(QWidget*, const QString&, const QString& folder,
                                            const QString&) {
    foldersAsked.append(folder);
    return saveNames.isEmpty() ? QString() : saveNames.dequeue();
}

bool FakeDesktopService::OpenUrl(const QUrl& url) {
    openedUrls.append(url);
    return succeed;
}

QString FakeDesktopService::FindProgram(const QString& name) {
    programsLookedFor.append(name);
    return availablePrograms.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

bool FakeDesktopService::StartProgram(const QString& program, const QStringList& arguments) {
    startedPrograms.append(program);
    startedArguments.append(arguments);
    return succeed;
}

void FakeWaitService::Wait(int milliseconds) {
    ++waits;
    if (milliseconds > 0) {
        now += milliseconds;
        totalWaited += milliseconds;
    }
    if (processEvents) QCoreApplication::processEvents();
}

void FakeWaitService::ProcessEvents() {
    if (processEvents) QCoreApplication::processEvents();
}

FakeNetworkService::FakeNetworkService() = default;

FakeNetworkService::~FakeNetworkService() {
    delete manager_;
}

// Made on first use, so that tests without network need no event loop for it.
QNetworkAccessManager* FakeNetworkService::AccessManager() {
    if (!manager_) manager_ = new QNetworkAccessManager;
    return manager_;
}

FakeServices::FakeServices() {
    services_.messages = &messages;
    services_.fileDialogs = &fileDialogs;
    services_.desktop = &desktop;
    services_.clipboard = &clipboard;
    services_.waits = &waits;
    services_.randomSeed = &randomSeed;
    services_.help = &help;
    services_.network = &network;
}

}  // namespace kombora::gui::testing
