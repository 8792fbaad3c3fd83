#include "app_state.h"

#include "rows/apply_system.h"

namespace kombora::gui {

AppState::AppState(AppContext& context, QObject* parent) : QObject(parent), context_(context) {}

void AppState::SetSelectedSystem(int32_t index, const QString& description,
                                 const QString& changingNumbers, const QString& bankNumbers) {
    context_.SelectedSystem = index;
    selectedDescription_ = description;
    emit selectedSystemChanged(description, changingNumbers, bankNumbers);
}

void AppState::SetLargestNumber(int32_t largest) {
    context_.LargestNumber = largest;
    emit largestNumberChanged(largest);
}

void AppState::SetLanguage(int32_t language) {
    if (context_.Language == language) return;
    context_.Language = language;
    emit languageChanged(language);
}

void AppState::SetTestRunning(bool running) {
    if (context_.TestRunning == running) return;
    context_.TestRunning = running;
    emit testRunningChanged(running);
}

void AppState::AnnounceRowsFormed(const FormingResult& result, bool withGrid) {
    emit rowsFormed(result, withGrid);
}

void AppState::AnnounceOwnRowsChanged() {
    emit ownRowsChanged();
}

void AppState::RequestTestPageUpdate() {
    emit testPageUpdateRequested();
}

void AppState::RequestTest() {
    emit testRequested();
}

}  // namespace kombora::gui
