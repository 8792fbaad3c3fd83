#include "pages/workbook_view.h"

#include <QDateTime>
#include <QDir>
#include <QUrl>

#include "io/text_encoding.h"
#include "message_box.h"

namespace kombora::gui {

bool ExportWorkbook(const Services& services, QWidget* parent, int32_t language,
                    const WorkbookSheet& sheet, const std::string& stem) {
    if (!services.desktop->SpreadsheetProgramInstalled()) {
        ShowMessage(services, parent, language, MessageId::OwnRowsExcelMissing);
        return false;
    }
    const QString folder = services.desktop->DocumentsFolder();
    QDir().mkpath(folder);
    const std::string stamp =
        services.waits->Now().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")).toStdString();
    std::string error;
    const auto written =
        WriteNewWorkbook(PathFromUtf8(folder.toStdString()), stem, stamp, sheet, &error);
    if (!written) {
        ShowMessage(services, parent, language, MessageId::GeneralFileWriteFailed,
                    {folder, QString::fromStdString(error)});
        return false;
    }
    const QString file = QString::fromStdString(PathToUtf8(*written));
    if (!services.desktop->OpenUrl(QUrl::fromLocalFile(file))) {
        ShowMessage(services, parent, language, MessageId::OwnRowsWorkbookNotOpened, {file});
    }
    return true;
}

}  // namespace kombora::gui
