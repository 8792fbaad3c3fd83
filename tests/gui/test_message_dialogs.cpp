// The two real message dialogs: the plain one and the styled "Dia1".
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "real_services.h"

using namespace kombora;
using namespace kombora::gui;

namespace {

// Presses `button` of the next modal dialog once it is open; records what it showed.
struct Presser {
    QString objectName;
    QString text;
    void PressLater(QDialogButtonBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            objectName = dialog->objectName();
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                text = box->text();
                box->button(static_cast<QMessageBox::StandardButton>(int(button)))->click();
                return;
            }
            text = dialog->findChild<QLabel*>(QStringLiteral("Dia1Text"))->text();
            dialog->findChild<QDialogButtonBox*>()->button(button)->click();
        });
    }
};

}  // namespace

class MessageDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogs_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("dialog");
        const int plain = int(MessageStyle::Plain);
        const int styled = int(MessageStyle::Styled);
        QTest::newRow("plain OK") << plain << int(MessageButtons::Ok) << int(QDialogButtonBox::Ok)
                                  << int(MessageAnswer::Ok) << "MessageBox";
        QTest::newRow("plain Yes")
            << plain << int(MessageButtons::YesNo) << int(QDialogButtonBox::Yes)
            << int(MessageAnswer::Yes) << "MessageBox";
        QTest::newRow("styled No") << styled << int(MessageButtons::YesNo)
                                   << int(QDialogButtonBox::No) << int(MessageAnswer::No) << "Dia1";
        QTest::newRow("styled Cancel")
            << styled << int(MessageButtons::YesNoCancel) << int(QDialogButtonBox::Cancel)
            << int(MessageAnswer::Cancel) << "Dia1";
    }

    void dialogs() {
        QFETCH(int, style);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(QString, dialog);
        DialogMessageService service;
        MessageRequest request;
        request.style = MessageStyle(style);
        request.buttons = MessageButtons(buttons);
        request.kind = MessageKind::Confirmation;
        request.text = QStringLiteral("Statement.\r\rClosing phrase.");
        Presser presser;
        presser.PressLater(QDialogButtonBox::StandardButton(press));
        QCOMPARE(int(service.Show(nullptr, request)), answer);
        QCOMPARE(presser.objectName, dialog);
        // Carriage returns are shown as line breaks.
        QCOMPARE(presser.text, QStringLiteral("Statement.\n\nClosing phrase."));
    }
};

QTEST_MAIN(MessageDialogsTest)
#include "test_message_dialogs.moc"
