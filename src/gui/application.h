#pragma once

#include <QApplication>

namespace kombora::gui {

// The application object. An error that escapes an event handler is shown in a message box
// with its text (the general error report) and the program goes on.
class KomboraApplication : public QApplication {
    Q_OBJECT
  public:
    KomboraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace kombora::gui
