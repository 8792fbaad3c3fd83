#pragma once

// The message convention of the program: every message comes from the message table by its
// key; the language picks the text and the dialog (German: the plain dialog, English: the
// styled one); a language other than 0 or 1 shows nothing and a question then gets the answer
// that changes nothing.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "services.h"

class QWidget;

namespace kombora::gui {

// Shows the message `id` with its placeholders %1, %2, ... filled from `args` (numbers
// already formatted by the caller). Returns the pressed button, or the table's no-dialog
// answer when nothing is shown.
MessageAnswer ShowMessage(const Services& services, QWidget* parent, int32_t language, MessageId id,
                          const QStringList& args = {});
// The same by the message's key ("selection.no_system_listed"); an unknown key shows nothing
// and answers Ok.
MessageAnswer ShowMessage(const Services& services, QWidget* parent, int32_t language,
                          const char* key, const QStringList& args = {});

// Shows a text that is not in the table (for example an error report that escaped an
// operation) in the dialog of `language`; nothing for a language other than 0 or 1.
MessageAnswer ShowMessageText(const Services& services, QWidget* parent, int32_t language,
                              MessageKind kind, MessageButtons buttons, const QString& text,
                              int helpContext = 0);

}  // namespace kombora::gui
