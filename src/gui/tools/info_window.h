#pragma once

#include <QWidget>

#include "services.h"

class QLabel;

namespace kombora::gui {

// The maker of Kombora and how to reach him. The project publishes no postal address, telephone
// or fax, so those fields stay empty (and their lines hidden) rather than show made-up ones.
struct MakerContact {
    static constexpr const char* kName = "Kombora";
    static constexpr const char* kStreet = "";
    static constexpr const char* kPostalCodeAndTown = "";
    static constexpr const char* kTelephone = "";
    static constexpr const char* kFax = "";
    static constexpr const char* kMail = "info@kombora.example";
};

// Program information: version, picture and the maker's contact. Destroyed when closed.
class TFInfo : public QWidget {
    Q_OBJECT
  public:
    TFInfo(const Services& services, QWidget* parent = nullptr);

  public slots:
    void LMailClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    const Services& services_;
    QLabel* lMail_ = nullptr;
};

}  // namespace kombora::gui
