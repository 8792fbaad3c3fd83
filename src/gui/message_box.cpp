#include "message_box.h"

#include <cstring>

namespace kombora::gui {

namespace {

// A few texts the frame needs until the program's message table is available.
struct StandInMessage {
    const char* key;
    MessageKind kind;
    MessageButtons buttons;
    bool germanOnly;
    const char* german;
    const char* english;
    MessageAnswer noDialogAnswer;
};

constexpr StandInMessage kStandIn[] = {
    {"startup.help_file_missing", MessageKind::Error, MessageButtons::Ok, true,
     "Hilfe-Datei %1 nicht gefunden.", "", MessageAnswer::Ok},
    {"tools.nueberk_n_not_positive", MessageKind::Information, MessageButtons::Ok, true,
     "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab.", "",
     MessageAnswer::Ok},
    {"tools.nueberk_k_above_n", MessageKind::Information, MessageButtons::Ok, true,
     "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.", "",
     MessageAnswer::Ok},
    {"tools.nueberk_overflow", MessageKind::Information, MessageButtons::Ok, false,
     "%1 über %2 ist zu groß, um es genau zu berechnen.\r\rIch breche erst einmal ab.",
     "%1 over %2 is too large to be calculated exactly.\r\rI will abort first of all.",
     MessageAnswer::Ok},
    {"tools.calculator_missing", MessageKind::Information, MessageButtons::Ok, false,
     "Auf diesem Rechner wurde kein Taschenrechner-Programm gefunden.",
     "No calculator program was found on this computer.", MessageAnswer::Ok},
};

const StandInMessage* Find(const char* key) {
    for (const auto& m : kStandIn) {
        if (std::strcmp(m.key, key) == 0) return &m;
    }
    return nullptr;
}

QString Fill(QString text, const QStringList& args) {
    // Fill from the highest placeholder down, so that %1 does not eat the start of %10.
    for (qsizetype i = args.size(); i >= 1; --i) {
        text.replace(QStringLiteral("%") + QString::number(i), args[i - 1]);
    }
    return text;
}

}  // namespace

MessageAnswer ShowMessage(const Services& services, QWidget* parent, int32_t language,
                          const char* key, const QStringList& args) {
    const StandInMessage* message = Find(key);
    if (!message) return MessageAnswer::None;
    if (language != 0 && language != 1) return message->noDialogAnswer;
    const bool german = language == 0 || message->germanOnly;
    MessageRequest request;
    request.kind = message->kind;
    request.buttons = message->buttons;
    request.style = german ? MessageStyle::Plain : MessageStyle::Styled;
    request.text = Fill(QString::fromUtf8(german ? message->german : message->english), args);
    request.key = QString::fromUtf8(key);
    return services.messages->Show(parent, request);
}

MessageAnswer ShowMessageText(const Services& services, QWidget* parent, int32_t language,
                              MessageKind kind, MessageButtons buttons, const QString& text,
                              int helpContext) {
    if (language != 0 && language != 1) {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
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
