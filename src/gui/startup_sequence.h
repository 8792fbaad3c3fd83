#pragma once

#include <QPointer>

#include "app/context.h"
#include "services.h"

namespace kombora::gui {

class HelpSystem;
class TFMain;
class TFStart;

struct StartupWindows {
    QPointer<TFStart> start;  // cleared when the start window is gone
    TFMain* main = nullptr;   // owned by the caller
};

// The start of the program: shows the start window (which works out the folders, the
// language, the own systems and the catalogue and attaches the help), then creates the main
// window and the n-over-k, calendar and update windows, and enables "Next". The main window
// appears when the start window fades out.
StartupWindows RunStartup(AppContext& context, const Services& services, HelpSystem* help,
                          const AppFolders& folders);

// The program's style sheet (embedded in the program).
QString ProgramStyleSheet();

}  // namespace kombora::gui
