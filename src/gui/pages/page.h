#pragma once

#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <initializer_list>

#include "app/context.h"
#include "app_state.h"
#include "services.h"

namespace kombora::gui {

// The base of the six pages of the main window: every page works on the program-wide state,
// follows its signals, and reaches the outside world only through the services. A page holds
// typed pointers to its own controls and to nothing else; what another page must learn goes
// through the state (see docs/architecture.md).
class Page : public QWidget {
    Q_OBJECT
  public:
    Page(AppState& state, const Services& services, QWidget* parent = nullptr);

    AppState& state() const { return state_; }
    AppContext& context() const { return state_.context(); }
    const Services& services() const { return services_; }

  signals:
    // The page's "Back" button: the main window shows the previous page.
    void backRequested();
    // The page's "Next" / "Further" button: the main window shows the following page.
    void nextRequested();
    // The page wants to be the one shown (for example "To the test" on another page).
    void showRequested();

  protected:
    // The widget that holds the page's controls; pages lay out their controls on it. It
    // scrolls when the window is smaller than the page needs, so that the main window fits a
    // small screen and every control can still be reached.
    QWidget* body() const { return body_; }

    // A navigation button named `name` that emits backRequested or nextRequested.
    QPushButton* MakeBackButton(const QString& name, const QString& caption = tr("Back"));
    QPushButton* MakeNextButton(const QString& name, const QString& caption = tr("Next"));

    // The page's commands that change what a test reads: disabled while a test runs, and
    // enabled again at its end when they were enabled at its start.
    void DisableWhileTestRuns(std::initializer_list<QWidget*> commands);

  private:
    void OnTestRunningChanged(bool running);

    AppState& state_;
    const Services& services_;
    QWidget* body_ = nullptr;
    QList<QPointer<QWidget>> testCommands_;
    QList<QPointer<QWidget>> disabledForTest_;
};

}  // namespace kombora::gui
