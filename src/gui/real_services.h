#pragma once

#include <memory>

#include "services.h"

namespace kombora::gui {

// Message boxes: the plain dialog for MessageStyle::Plain, the styled dialog "Dia1" for
// MessageStyle::Styled.
class DialogMessageService : public MessageService {
  public:
    MessageAnswer Show(QWidget* parent, const MessageRequest& request) override;
    // The help behind the styled dialog's help button; may stay null.
    void SetHelp(HelpService* help) { help_ = help; }

  private:
    HelpService* help_ = nullptr;
};

// The program's own implementations of the outside effects.
class RealServices {
  public:
    RealServices();
    ~RealServices();
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    Services& services() { return services_; }
    // The help system is made once the program folder is known.
    void SetHelp(HelpService* help);

  private:
    std::unique_ptr<DialogMessageService> messages_;
    std::unique_ptr<FileDialogService> fileDialogs_;
    std::unique_ptr<DesktopService> desktop_;
    std::unique_ptr<ClipboardService> clipboard_;
    std::unique_ptr<WaitService> waits_;
    std::unique_ptr<RandomSeedService> randomSeed_;
    std::unique_ptr<NetworkService> network_;
    Services services_;
};

// The message text as the dialogs show it: carriage returns become line breaks.
QString DisplayText(const QString& text);

}  // namespace kombora::gui
