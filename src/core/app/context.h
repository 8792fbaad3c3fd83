#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/folders.h"
#include "catalogue/catalogue.h"
#include "catalogue/own_index.h"
#include "catalogue/records.h"
#include "rows/row_store.h"

namespace kombora {

// The program-wide state: one object, created at start-up and handed to every window.
struct AppContext {
    int32_t Language = 1;         // 0 German, 1 English
    int32_t SelectedSystem = -1;  // catalogue index of the chosen system, -1 none
    int32_t LargestNumber = 49;   // the lottery's highest number, 32..100
    int32_t FullSystemRowLimit = kFullSystemRowLimit;

    AppFolders folders;
    std::vector<TEigSysteme> OwnSystemList;
    Catalogue catalogue;
    RowStore rows;

    // Test run state shared by the test pages.
    bool TestRunning = false;
    bool TestStopRequested = false;
    bool OwnTestFromButton = false;

    // What loading the own-systems index found at start-up.
    OwnIndexLoad ownIndexLoad;
};

// The start-up steps that need no window: folders (created when missing), the language from
// the settings file, the own-systems index and the catalogue.
void InitializeContext(AppContext& context, const AppFolders& folders);

// Rebuilds the catalogue from the current own-systems list.
int32_t RebuildCatalogue(AppContext& context);

}  // namespace kombora
