#include "pages/forming_view.h"

#include "message_box.h"
#include "rows/apply_system.h"
#include "rows/grid_colours.h"

namespace kombora::gui {

void ShowNotice(const Services& services, QWidget* parent, int32_t language, const Notice& notice) {
    QStringList args;
    for (const std::string& arg : notice.args) args << QString::fromStdString(arg);
    ShowMessage(services, parent, language, notice.id, args);
}

QColor CountCellFill(int32_t count, int32_t rowCount) {
    switch (CountCellColour(count, rowCount)) {
        case CountColour::LimeGreen:
            return QColor(kCountLimeGreen.r, kCountLimeGreen.g, kCountLimeGreen.b);
        case CountColour::Yellow:
            return QColor(kCountYellow.r, kCountYellow.g, kCountYellow.b);
        case CountColour::ButtonFace:
            break;
    }
    return QColor();
}

bool FormRows(AppState& state, const Services& services, QWidget* parent, bool formingMode) {
    AppContext& context = state.context();
    const FormingResult result = SystemAnwenden(context, formingMode);
    if (!result.ok) {
        if (result.message) ShowNotice(services, parent, context.Language, *result.message);
        return false;
    }
    state.AnnounceRowsFormed(result, formingMode);
    return true;
}

}  // namespace kombora::gui
