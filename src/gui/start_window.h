#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "app/context.h"
#include "services.h"

class QLabel;
class QPushButton;

namespace kombora::gui {

class HelpSystem;

// The start window: a picture, the systems-inside count and "Next". Creating it runs the
// start-up steps that need no window (folders, language, own systems, catalogue) and attaches
// the help. Closing it, by "Next" or any other way, cross-fades to the main window.
class TFStart : public QWidget {
    Q_OBJECT
  public:
    TFStart(AppContext& context, const Services& services, HelpSystem* help,
            const AppFolders& folders, QWidget* parent = nullptr);

    // Computes and shows the systems-inside count.
    void SystemeEinlesen();
    // True enables "Next" with the hand cursor, false disables it with the busy cursor.
    void SetInitializationDone(bool done);
    bool InitializationDone() const { return initializationDone_; }

    // The window that fades in when this one closes.
    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    QLabel* LSysAnz() const { return lSysAnz_; }
    QPushButton* BWeiter() const { return bWeiter_; }

  public slots:
    void BWeiterClick();

  signals:
    // The fade has ended; the main window is fully opaque.
    void faded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Fade();
    // A damaged own-systems index is reported; the systems read before the damage stay.
    void ReportOwnIndexProblems();

    AppContext& context_;
    const Services& services_;
    QLabel* lSysAnz_ = nullptr;
    QPushButton* bWeiter_ = nullptr;
    QPointer<QWidget> mainWindow_;
    QPixmap picture_;
    bool initializationDone_ = false;
    bool fading_ = false;
    bool faded_ = false;
};

}  // namespace kombora::gui
