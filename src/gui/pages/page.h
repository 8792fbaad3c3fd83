#pragma once

#include <QWidget>

#include "app/context.h"
#include "services.h"

#include <QPushButton>

namespace kombora::gui {

// The base of the six pages of the main window: every page works on the program-wide context
// and reaches the outside world only through the services.
class Page : public QWidget {
    Q_OBJECT
  public:
    Page(AppContext& context, const Services& services, QWidget* parent = nullptr);

    AppContext& context() const { return context_; }
    const Services& services() const { return services_; }

  signals:
    // The page's "Back" button: the main window shows the previous page.
    void backRequested();
    // The page's "Next" / "Further" button: the main window shows the following page.
    void nextRequested();

  protected:
    // The widget that holds the page's controls; pages lay out their controls on it. It
    // scrolls when the window is smaller than the page needs, so that the main window fits a
    // small screen and every control can still be reached.
    QWidget* body() const { return body_; }

    // A navigation button named `name` that emits backRequested or nextRequested.
    QPushButton* MakeBackButton(const QString& name, const QString& caption = tr("Back"));
    QPushButton* MakeNextButton(const QString& name, const QString& caption = tr("Next"));

  private:
    AppContext& context_;
    const Services& services_;
    QWidget* body_ = nullptr;
};

}  // namespace kombora::gui
