#include "startup_sequence.h"

#include <QApplication>
#include <QFile>

#include "app/startup.h"
#include "help.h"
#include "main_window.h"
#include "start_window.h"
#include "tools/calendar_window.h"
#include "tools/nueberk_window.h"
#include "tools/update_window.h"

// The style sheet lives in the static GUI library, whose resources must be registered by hand.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(kombora);
}

namespace kombora::gui {

StartupWindows RunStartup(AppContext& context, const Services& services, HelpSystem* help,
                          const AppFolders& folders) {
    StartupWindows windows;
    auto* start = new TFStart(context, services, help, folders);
    windows.start = start;
    start->show();
    start->repaint();
    services.waits->ProcessEvents();

    // No application display name: the platform would append it to every caption, and each
    // window's caption is meant to stand alone ("Kombora 1.0.0.2", not "... — Kombora").
    try {
        windows.main = new TFMain(context, services);
        new TFNueberK(context, services, windows.main);
        new TFKal(services, windows.main);
        new TFUpdate(context, services, windows.main);
    } catch (...) {
        start->SetInitializationDone(true);
        throw;
    }
    if (help != nullptr) help->SetOwnerWindow(windows.main);
    start->SetMainWindow(windows.main);
    start->SetInitializationDone(true);
    return windows;
}

QString ProgramStyleSheet() {
    RegisterProgramResources();
    QFile file(QStringLiteral(":/kombora/kombora.qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace kombora::gui
