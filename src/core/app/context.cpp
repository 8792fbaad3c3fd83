#include "app/context.h"

#include "app/startup.h"

namespace kombora {

void InitializeContext(AppContext& context, const AppFolders& folders) {
    context.folders = folders;
    EnsureAppFolders(folders);
    context.Language = ReadStartLanguage(folders.SettingsFile());
    context.ownIndexLoad = LoadOwnSystemIndex(folders.OwnIndexFile(), folders.ownSystemsFolder);
    context.OwnSystemList = context.ownIndexLoad.systems;
    RebuildCatalogue(context);
}

int32_t RebuildCatalogue(AppContext& context) {
    return BuildCatalogue(context.catalogue, context.OwnSystemList,
                          context.folders.ownSystemsFolder, context.FullSystemRowLimit);
}

}  // namespace kombora
