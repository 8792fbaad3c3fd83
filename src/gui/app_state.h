#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "app/context.h"

namespace kombora {
struct FormingResult;
}

namespace kombora::gui {

// The program-wide state as the windows see it: it holds the context of the core and announces
// every change the pages follow. A page changes the state only through this object's setters
// and follows it through its signals; it never touches another page's controls. A request
// signal (…Requested) asks whichever page does that work to do it.
//
// Writing the context directly (as the core and the tests do) changes the state without an
// announcement; the pages read the context when they act, so nothing goes stale that matters.
class AppState : public QObject {
    Q_OBJECT
  public:
    explicit AppState(AppContext& context, QObject* parent = nullptr);

    AppContext& context() const { return context_; }

    // The description of the selected system as it was announced ("\n" between its lines).
    const QString& SelectedDescription() const { return selectedDescription_; }

    // A system was chosen (or prepared again for another tip-row size): SelectedSystem becomes
    // `index` and selectedSystemChanged announces its texts.
    void SetSelectedSystem(int32_t index, const QString& description,
                           const QString& changingNumbers, const QString& bankNumbers);
    // The largest number of the lottery; announced every time, also when unchanged, so that
    // pages built afterwards can be brought up to date by setting it again.
    void SetLargestNumber(int32_t largest);
    // 0 German, 1 English; announced when it changes.
    void SetLanguage(int32_t language);
    // A test starts (true) or ends (false); announced when it changes.
    void SetTestRunning(bool running);

    // The rows of the selected system were formed (`withGrid`) or only counted; the row store
    // of the context holds them.
    void AnnounceRowsFormed(const kombora::FormingResult& result, bool withGrid);
    // The own rows (typed, pasted or loaded) changed.
    void AnnounceOwnRowsChanged();

    // Asks the system-test page to show the selected system's step count and description.
    void RequestTestPageUpdate();
    // "To the test": asks the system-test page to show itself and test the selected system.
    void RequestTest();

  signals:
    // The selected system changed; context().SelectedSystem is its catalogue index. A null
    // `bankNumbers` leaves the bank-number count as it is shown.
    void selectedSystemChanged(const QString& description, const QString& changingNumbers,
                               const QString& bankNumbers);
    void rowsFormed(const kombora::FormingResult& result, bool withGrid);
    void testRunningChanged(bool running);
    void ownRowsChanged();
    void languageChanged(int32_t language);
    void largestNumberChanged(int32_t largest);
    void testPageUpdateRequested();
    void testRequested();

  private:
    AppContext& context_;
    QString selectedDescription_;
};

}  // namespace kombora::gui
