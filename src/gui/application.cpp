#include "application.h"

#include <QMessageBox>
#include <exception>

#include "app/startup.h"

namespace kombora::gui {

KomboraApplication::KomboraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KomboraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QString::fromUtf8(kProductName),
                              QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QString::fromUtf8(kProductName),
                              QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

}  // namespace kombora::gui
