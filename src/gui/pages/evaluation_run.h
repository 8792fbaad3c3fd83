#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <thread>

#include "evaluation/hit_engine.h"

namespace kombora::gui {

// Runs one hit evaluation at a time on a thread of its own and reports back on the thread that
// owns this object (the user-interface thread). Reports of a run that has been superseded are
// dropped, so a late report never lands in a newer run's display.
class EvaluationRun : public QObject {
    Q_OBJECT
  public:
    // The work of a run: evaluates, honours the stop token and calls the callbacks on its own
    // thread. What it returns is delivered by finished().
    using Job = std::function<EvaluationResult(std::stop_token, const EvaluationCallbacks&)>;

    explicit EvaluationRun(QObject* parent = nullptr);
    // Stops a running evaluation and waits for its thread.
    ~EvaluationRun() override;

    // Starts `job`; false (and nothing starts) while another run is going.
    bool Start(Job job);
    // Asks the running evaluation to stop; it ends within a few milliseconds and then reports
    // finished() as usual. Does nothing when no run is going.
    void RequestStop();
    // Stops the running evaluation, waits for its thread and delivers its last reports before
    // returning, so the display shows the stopped state at once.
    void StopAndWait();

    bool IsRunning() const { return running_; }
    // Whether a stop was asked for since the current (or last) run started.
    bool StopRequested() const { return stopRequested_; }

  signals:
    // Draws counted so far out of all draws of the run.
    void progress(qint64 drawsDone, qint64 drawTotal);
    // Hit count k is being counted; it has `draws` draws in all.
    void hitCountStarted(int k, qint64 draws);
    // Hit count k has reached its final state; `result` holds every hit count finished so far.
    void hitCountFinished(const kombora::EvaluationResult& result, int k);
    // The run has ended, completely or after a stop.
    void finished(const kombora::EvaluationResult& result);
    // The run ended with an error; `outOfMemory` tells a lack of memory from other errors.
    void failed(const QString& what, bool outOfMemory);

  private:
    void Deliver(uint64_t run, std::function<void()> report);
    void Join();

    std::jthread thread_;
    uint64_t runId_ = 0;
    bool running_ = false;
    bool stopRequested_ = false;
};

}  // namespace kombora::gui
