// Kombora, the desktop program.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>
#include "application.h"

#include "app/folders.h"
#include "app/startup.h"
#include "help.h"
#include "main_window.h"
#include "real_services.h"
#include "startup_sequence.h"

int main(int argc, char** argv) {
    kombora::gui::KomboraApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kombora::kProductName));
    QApplication::setApplicationVersion(QString::fromUtf8(kombora::kProgramVersion));
    QApplication::setOrganizationName(QString::fromUtf8(kombora::kProductName));
    app.setStyleSheet(kombora::gui::ProgramStyleSheet());

    using namespace kombora;
    using namespace kombora::gui;
    RealServices real;
    AppContext context;
    HelpSystem help(real.services());
    real.SetHelp(&help);
    HelpKeyFilter helpKeys(help);
    app.installEventFilter(&helpKeys);

    std::unique_ptr<TFMain> mainWindow;
    try {
        const AppFolders folders = MakeAppFolders(RunningProgramFolder(argc > 0 ? argv[0] : ""));
        StartupWindows windows = RunStartup(context, real.services(), &help, folders);
        mainWindow.reset(windows.main);
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kProductName),
                              QString::fromUtf8(e.what()));
        return 1;
    }
    // The program ends when the main window closes, whatever tool windows are still open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(mainWindow.get(), &TFMain::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
