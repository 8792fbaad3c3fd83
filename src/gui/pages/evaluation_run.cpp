#include "pages/evaluation_run.h"

#include <QCoreApplication>
#include <QEvent>
#include <exception>
#include <new>
#include <utility>

namespace kombora::gui {

EvaluationRun::EvaluationRun(QObject* parent) : QObject(parent) {}

EvaluationRun::~EvaluationRun() {
    // Reports still queued for this object are discarded with it.
    ++runId_;
    Join();
}

void EvaluationRun::Join() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void EvaluationRun::Deliver(uint64_t run, std::function<void()> report) {
    QMetaObject::invokeMethod(
        this,
        [this, run, report = std::move(report)] {
            if (run == runId_) report();
        },
        Qt::QueuedConnection);
}

bool EvaluationRun::Start(Job job) {
    if (running_) return false;
    Join();  // the thread of the last run has already delivered its end
    const uint64_t run = ++runId_;
    running_ = true;
    stopRequested_ = false;
    thread_ = std::jthread([this, run, job = std::move(job)](std::stop_token stop) {
        EvaluationCallbacks callbacks;
        callbacks.progress = [this, run](int64_t done, int64_t total) {
            Deliver(run, [this, done, total] { emit progress(done, total); });
        };
        callbacks.hitCountStarted = [this, run](int k, int64_t draws) {
            Deliver(run, [this, k, draws] { emit hitCountStarted(k, draws); });
        };
        callbacks.hitCountFinished = [this, run](const EvaluationResult& result, int k) {
            Deliver(run, [this, result, k] { emit hitCountFinished(result, k); });
        };
        try {
            EvaluationResult result = job(stop, callbacks);
            Deliver(run, [this, result = std::move(result)] {
                running_ = false;
                emit finished(result);
            });
        } catch (const std::bad_alloc&) {
            Deliver(run, [this] {
                running_ = false;
                emit failed(QString(), true);
            });
        } catch (const std::exception& e) {
            Deliver(run, [this, what = QString::fromUtf8(e.what())] {
                running_ = false;
                emit failed(what, false);
            });
        } catch (...) {
            Deliver(run, [this] {
                running_ = false;
                emit failed(QStringLiteral("Unknown error in the system test."), false);
            });
        }
    });
    return true;
}

void EvaluationRun::RequestStop() {
    if (!running_) return;
    stopRequested_ = true;
    thread_.request_stop();
}

void EvaluationRun::StopAndWait() {
    if (!running_) return;
    RequestStop();
    if (thread_.joinable()) thread_.join();
    // The thread has queued its last reports; hand them over now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    running_ = false;
}

}  // namespace kombora::gui
