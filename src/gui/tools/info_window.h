#pragma once

#include <QWidget>

#include "services.h"

class QLabel;

namespace kombora::gui {

// The maker of Kombora and how to reach him.
struct MakerContact {
    static constexpr const char* kName = "Kombora Software";
    static constexpr const char* kStreet = "Musterweg 12";
    static constexpr const char* kPostalCodeAndTown = "12345 Beispielstadt";
    static constexpr const char* kTelephone = "Telefon: +49 (0)30 555 0100";
    static constexpr const char* kFax = "Fax: +49 (0)30 555 0101";
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
