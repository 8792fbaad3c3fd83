#include "message_box.h"

#include <string>
#include <vector>

namespace kombora::gui {

MessageAnswer ShowMessage(const Services& services, QWidget* parent, int32_t language, MessageId id,
                          const QStringList& args) {
    std::vector<std::string> filled;
    filled.reserve(static_cast<std::size_t>(args.size()));
    for (const QString& arg : args) filled.push_back(arg.toStdString());
    const auto prepared = PrepareMessage(id, language, filled);
    if (!prepared) return NoDialogAnswer(id);
    MessageRequest request;
    request.kind = prepared->kind;
    request.buttons = prepared->buttons;
    request.style = prepared->style;
    request.text = QString::fromStdString(prepared->text);
    request.helpContext = prepared->helpContext;
    request.key =
        QString::fromUtf8(prepared->key.data(), static_cast<qsizetype>(prepared->key.size()));
    return services.messages->Show(parent, request);
}

MessageAnswer ShowMessage(const Services& services, QWidget* parent, int32_t language,
                          const char* key, const QStringList& args) {
    const MessageEntry* entry = FindMessage(key);
    if (!entry) return MessageAnswer::Ok;
    return ShowMessage(services, parent, language, entry->id, args);
}

MessageAnswer ShowMessageText(const Services& services, QWidget* parent, int32_t language,
                              MessageKind kind, MessageButtons buttons, const QString& text,
                              int helpContext) {
    if (language != 0 && language != 1) {
        return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
               : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                  : MessageAnswer::Cancel;
    }
    MessageRequest request;
    request.kind = kind;
    request.buttons = buttons;
    request.style = language == 0 ? MessageStyle::Plain : MessageStyle::Styled;
    request.text = text;
    request.helpContext = helpContext;
    return services.messages->Show(parent, request);
}

}  // namespace kombora::gui
