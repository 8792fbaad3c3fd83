#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "app/context.h"
#include "app_state.h"
#include "services.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QToolBar;

namespace kombora::gui {

class PageNumbers;
class PageOwnRows;
class PageOwnSystems;
class PageRows;
class PageSelection;
class PageSystemTest;

// The main window: menu, toolbar, the largest-number strip and the six pages. It owns the
// program-wide state the pages share, assembles the pages, does the navigation between them,
// and reads the settings when first shown and writes them when closed.
class TFMain : public QMainWindow {
    Q_OBJECT
  public:
    // The values of the nine quick buttons, in their order.
    static constexpr std::array<int, 9> kQuickNumbers{50, 35, 39, 42, 45, 49, 70, 90, 59};

    TFMain(AppContext& context, const Services& services, QWidget* parent = nullptr);

    AppContext& context() const { return context_; }
    // The program-wide state the pages share; the window owns it.
    AppState& state() const { return *state_; }
    const Services& services() const { return services_; }

    QTabWidget* PC1() const { return pc1_; }
    QScrollBar* updown1() const { return updown1_; }
    QLabel* PZufMax() const { return pZufMax_; }
    QPushButton* QuickButton(int value) const;

    PageSelection* pageSelection() const { return pageSelection_; }
    PageNumbers* pageNumbers() const { return pageNumbers_; }
    PageRows* pageRows() const { return pageRows_; }
    PageOwnRows* pageOwnRows() const { return pageOwnRows_; }
    PageSystemTest* pageSystemTest() const { return pageSystemTest_; }
    PageOwnSystems* pageOwnSystems() const { return pageOwnSystems_; }

    // The settings file: read into the controls (only when it exists) and written from them.
    void ReadSettings();
    void WriteSettings();

  public slots:
    void updown1Change();
    void BCloseClick();
    void ShowNueberK();
    void ShowKalender();
    void StartRechner();
    void ShowUpdate();
    void ShowInfo();
    void ShowHelp();
    // "Search in…": the help window at its full-text search.
    void ShowHelpSearch();

    // Navigation: the previous and the following page of `page` (0..5).
    void GoBack(int page);
    void GoNext(int page);

  signals:
    // The window has closed and written the settings; the program ends.
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    void BuildToolbar();
    QWidget* BuildLargestNumberStrip();
    void BuildPages();

    AppContext& context_;
    const Services& services_;
    AppState* state_ = nullptr;
    QToolBar* tool1_ = nullptr;
    QTabWidget* pc1_ = nullptr;
    QScrollBar* updown1_ = nullptr;
    QLabel* pZufMax_ = nullptr;
    std::array<QPushButton*, 9> quickButtons_{};
    PageSelection* pageSelection_ = nullptr;
    PageNumbers* pageNumbers_ = nullptr;
    PageRows* pageRows_ = nullptr;
    PageOwnRows* pageOwnRows_ = nullptr;
    PageSystemTest* pageSystemTest_ = nullptr;
    PageOwnSystems* pageOwnSystems_ = nullptr;
    bool settingsRead_ = false;
    bool closing_ = false;
};

}  // namespace kombora::gui
