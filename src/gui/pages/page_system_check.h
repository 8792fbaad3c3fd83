#pragma once

#include <cstdint>

#include "evaluation/hit_tally.h"
#include "pages/evaluation_run.h"
#include "pages/page.h"

class QLabel;
class QProgressBar;

namespace kombora::gui {

class StringGrid;

// Page 5, "System test": the evaluation of the selected system against every draw. The
// evaluation runs on a thread of its own; the table g2 fills hit count by hit count while the
// gauge moves, and "Stop test" ends the run at once.
class PageSystemTest : public Page {
    Q_OBJECT
  public:
    PageSystemTest(AppState& state, const Services& services, QWidget* parent = nullptr);
    ~PageSystemTest() override;

    // "Calculations:" — the number of evaluation steps of the selected system.
    QLabel* LKombiAnz() const { return lKombiAnz_; }
    // The description of the system under test.
    QLabel* LBeschreibung2() const { return lBeschreibung2_; }
    // "Start the test" / "Stop test".
    QPushButton* BTesten() const { return bTesten_; }
    // Progress of the running test.
    QProgressBar* Gauge1() const { return gauge1_; }
    // "Evaluation was aborted", visible after a stopped run.
    QLabel* LAbbruch() const { return lAbbruch_; }
    // The result table: hit count k in rows 2k-3 (counts) and 2k-2 (percentages).
    StringGrid* g2() const { return g2_; }

    // The gauge in draws: its maximum is the number of draws of the run, its position the
    // draws counted so far (the bar itself is scaled when the count exceeds its range).
    int64_t GaugeMaximum() const { return gaugeMaximum_; }
    int64_t GaugePosition() const { return gaugePosition_; }

    bool IsTestRunning() const { return run_ != nullptr && run_->IsRunning(); }

    // Runs an evaluation through the page's run states: LKombiAnz shows `calculationCount`,
    // the gauge counts up to `drawTotal`, the table is cleared and filled as the hit counts
    // finish, "Start the test" becomes "Stop test". For tests of other rows than the selected
    // system's (the own-rows test); testFinished() tells the end. False while a test runs.
    // The state announces testRunningChanged at the start and at the end.
    bool StartEvaluation(int64_t calculationCount, int64_t drawTotal, EvaluationRun::Job job);

  public slots:
    // Shows the selected system before the page is entered: LKombiAnz gets its number of
    // evaluation steps, LBeschreibung2 its description. Nothing changes without a system.
    void PrepareForSelectedSystem();
    // "To the test" (the state's testRequested): shows the page and tests the selected system.
    void BZumSystestClick();
    // "Start the test"; during a run a click only stops it.
    void BTestenClick();
    // Stops a running test and waits for its end (closing the window does this first).
    void StopTest();

  signals:
    // Hit count k is shown in the table.
    void hitCountShown(int k);
    // A test has ended; `stopped` when the user stopped it. `result` holds its tallies.
    void testFinished(bool stopped, const kombora::EvaluationResult& result);

  protected:
    bool event(QEvent* event) override;

  private:
    void BuildLayout();
    // Column widths and the table's height for the texts it shows.
    void FitColumns();
    void ShowIdleButton();
    void ShowRunningButton();
    void SetGaugeMaximum(int64_t maximum);
    void SetGaugePosition(int64_t position);
    // Column 1 of hit count k, its number of draws, as soon as it is being counted.
    void ShowDrawCount(int k, qint64 draws);
    void ShowHitCount(const EvaluationResult& result, int k);
    void BeginRun(int64_t calculationCount, int64_t drawTotal);
    void EndRun(bool stopped);
    void OnFinished(const EvaluationResult& result);
    void OnFailed(const QString& what, bool outOfMemory);
    // The captions that follow the language: the button and the designed description caption.
    void ShowLanguage();
    bool ShowsDesignedDescriptionCaption() const;
    QString DesignedDescriptionCaption() const;

    QLabel* lKombiAnz_ = nullptr;
    QLabel* lBeschreibung2_ = nullptr;
    QPushButton* bTesten_ = nullptr;
    QProgressBar* gauge1_ = nullptr;
    QLabel* lAbbruch_ = nullptr;
    StringGrid* g2_ = nullptr;
    EvaluationRun* run_ = nullptr;
    int64_t gaugeMaximum_ = 0;
    int64_t gaugePosition_ = 0;
    int64_t gaugeScale_ = 1;
};

}  // namespace kombora::gui
