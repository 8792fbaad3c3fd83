#include "pages/own_rows_parse_run.h"

#include <QMetaObject>
#include <chrono>
#include <exception>
#include <future>
#include <memory>
#include <new>
#include <utility>

namespace kombora::gui {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kProgressInterval = std::chrono::milliseconds(50);

}  // namespace

OwnRowsParseRun::OwnRowsParseRun(QObject* parent) : QObject(parent) {}

OwnRowsParseRun::~OwnRowsParseRun() {
    // Reports still queued for this object are dropped with it.
    ++runId_;
    Join();
}

void OwnRowsParseRun::Join() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void OwnRowsParseRun::Deliver(uint64_t run, std::function<void()> report) {
    QMetaObject::invokeMethod(
        this,
        [this, run, report = std::move(report)] {
            if (run == runId_) report();
        },
        Qt::QueuedConnection);
}

bool OwnRowsParseRun::Start(std::string text, const ParseOptions& options,
                            AskBrackets askBrackets) {
    if (running_) return false;
    Join();  // the thread of the last run has already delivered its end
    const uint64_t run = ++runId_;
    running_ = true;
    thread_ = std::jthread([this, run, text = std::move(text), options,
                            askBrackets = std::move(askBrackets)](std::stop_token stop) {
        ParseCallbacks callbacks;
        auto lastReport = Clock::now() - kProgressInterval;
        callbacks.progress = [&](int64_t position, int64_t maximum) {
            if (stop.stop_requested()) return false;
            const auto now = Clock::now();
            if (now - lastReport >= kProgressInterval) {
                lastReport = now;
                Deliver(run, [this, position, maximum] { emit progress(position, maximum); });
            }
            return true;
        };
        // The question is asked on the user-interface thread; this thread waits for the
        // answer, or gives up with Cancel when the run is stopped meanwhile.
        callbacks.askBrackets = [&]() -> MessageAnswer {
            auto answer = std::make_shared<std::promise<MessageAnswer>>();
            std::future<MessageAnswer> future = answer->get_future();
            Deliver(run, [answer, ask = askBrackets] { answer->set_value(ask()); });
            while (future.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
                if (stop.stop_requested()) return MessageAnswer::Cancel;
            }
            return future.get();
        };
        ParseResult result;
        try {
            result = Verarbeitungsstart(text, options, callbacks);
        } catch (const std::exception&) {
            // Only a lack of memory can end up here; the parse counts as stopped.
            result = ParseResult{};
            result.end = ParseEnd::Stopped;
        }
        Deliver(run, [this, result = std::move(result)] {
            running_ = false;
            emit progress(result.gaugePosition, result.gaugeMaximum);
            emit finished(result);
        });
    });
    return true;
}

}  // namespace kombora::gui
