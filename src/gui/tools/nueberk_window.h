#pragma once

#include <QWidget>

#include "app/context.h"
#include "services.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kombora::gui {

// "Calculate n over k": the binomial coefficient of two numbers the user types.
class TFNueberK : public QWidget {
    Q_OBJECT
  public:
    TFNueberK(AppContext& context, const Services& services, QWidget* parent = nullptr);

    QLineEdit* e1() const { return e1_; }
    QLineEdit* e2() const { return e2_; }
    QLabel* P1() const { return p1_; }

  public slots:
    void BCalcClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AppContext& context_;
    const Services& services_;
    QLineEdit* e1_ = nullptr;
    QLineEdit* e2_ = nullptr;
    QPushButton* bCalc_ = nullptr;
    QLabel* p1_ = nullptr;
};

}  // namespace kombora::gui
