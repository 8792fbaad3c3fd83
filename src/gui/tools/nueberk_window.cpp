#include "tools/nueberk_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/startup.h"
#include "catalogue/binomial.h"
#include "icons.h"
#include "message_box.h"
#include "qt_locale.h"

namespace kombora::gui {

namespace {

int ReadNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : 0;
}

QLabel* Explanation(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TFNueberK::TFNueberK(AppContext& context, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), services_(services) {
    setObjectName(QStringLiteral("FNueberK"));
    setWindowTitle(QString::fromUtf8(kProductName));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Explanation(
        QStringLiteral("The so-called binomial coefficient n over k describes how many "
                       "possibilities there are to select a subset of k elements from n given "
                       "elements."),
        this));
    layout->addWidget(Explanation(
        QStringLiteral("Knowing how many options there are for subsets, for example, is "
                       "important for calculating the odds for 6 matches in the UK lottery."),
        this));
    layout->addWidget(Explanation(QStringLiteral("Therefor enter 49 as n and 6 as k."), this));

    auto* inputs = new QGridLayout;
    const auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(56);
        // Pasted text is held to digits as well.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit));
        edit->installEventFilter(this);
        return edit;
    };
    e1_ = makeEdit("e1");
    e2_ = makeEdit("e2");
    inputs->addWidget(new QLabel(QStringLiteral("n"), this), 0, 0, Qt::AlignRight);
    inputs->addWidget(e1_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("k"), this), 1, 0, Qt::AlignRight);
    inputs->addWidget(e2_, 1, 1);
    bCalc_ = new QPushButton(this);
    bCalc_->setObjectName(QStringLiteral("BCalc"));
    bCalc_->setIcon(MakeIcon(IconKind::Compute));
    bCalc_->setIconSize(QSize(28, 28));
    bCalc_->setToolTip(QStringLiteral("Calculate"));
    inputs->addWidget(bCalc_, 0, 2, 2, 1);
    p1_ = new QLabel(this);
    p1_->setObjectName(QStringLiteral("P1"));
    p1_->setAlignment(Qt::AlignCenter);
    p1_->setMinimumWidth(180);
    p1_->setProperty("result", true);
    p1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inputs->addWidget(p1_, 0, 3, 2, 1);
    inputs->setColumnStretch(3, 1);
    layout->addLayout(inputs);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(bCalc_, &QPushButton::clicked, this, &TFNueberK::BCalcClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    resize(420, 300);
}

bool TFNueberK::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == e1_ || watched == e2_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter) {
            if (!e1_->text().isEmpty() && !e2_->text().isEmpty()) BCalcClick();
            return true;
        }
        // Keys that type a character pass only as digits; editing and moving keys pass.
        const QString text = key->text();
        if (!text.isEmpty() && key->key() != Qt::Key_Backspace && text.at(0).isPrint() &&
            !(text.size() == 1 && text.at(0) >= QLatin1Char('0') &&
              text.at(0) <= QLatin1Char('9'))) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFNueberK::BCalcClick() {
    const int n = ReadNumber(e1_);
    const int k = ReadNumber(e2_);
    if (n <= 0) {
        ShowMessage(services_, this, context_.Language, MessageId::ToolsNOverKNMissing);
        return;
    }
    if (k > n) {
        ShowMessage(services_, this, context_.Language, MessageId::ToolsNOverKKTooLarge);
        return;
    }
    const auto value = BinomialChecked(n, k);
    if (!value) {
        ShowMessage(services_, this, context_.Language, MessageId::ToolsNOverKTooLarge,
                    {QString::number(n), QString::number(k)});
        return;
    }
    p1_->setText(QString::fromStdString(FormatCount(*value, SystemNumberLocale())));
}

}  // namespace kombora::gui
