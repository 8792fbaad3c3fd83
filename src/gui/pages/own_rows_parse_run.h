#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "own/own_rows_parser.h"

namespace kombora::gui {

// Runs the own-rows parser on a thread of its own and reports back on the thread that owns this
// object (the user-interface thread): progress at most every 50 ms, the bracket question, and
// the end. One parse at a time.
class OwnRowsParseRun : public QObject {
    Q_OBJECT
  public:
    // Asks the bracket question on the user-interface thread.
    using AskBrackets = std::function<MessageAnswer()>;

    explicit OwnRowsParseRun(QObject* parent = nullptr);
    // Stops a running parse and waits for its thread (a question still open is answered with
    // Cancel).
    ~OwnRowsParseRun() override;

    // Starts parsing `text`; false (and nothing starts) while another parse is going.
    bool Start(std::string text, const ParseOptions& options, AskBrackets askBrackets);
    bool IsRunning() const { return running_; }

  signals:
    void progress(qint64 position, qint64 maximum);
    void finished(const kombora::ParseResult& result);

  private:
    void Deliver(uint64_t run, std::function<void()> report);
    void Join();

    std::jthread thread_;
    uint64_t runId_ = 0;
    bool running_ = false;
};

}  // namespace kombora::gui
