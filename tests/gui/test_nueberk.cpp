// The n-over-k calculator.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "gui_fixture.h"
#include "tools/nueberk_window.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

class NueberKTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QuietPlatformWarnings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void results_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("result");
        QTest::newRow("49 over 6") << "49"
                                   << "6"
                                   << "en_US"
                                   << "13,983,816";
        QTest::newRow("49 over 6, German separators") << "49"
                                                      << "6"
                                                      << "de_DE"
                                                      << "13.983.816";
        QTest::newRow("empty k is 0") << "10"
                                      << ""
                                      << "en_US"
                                      << "1";
        QTest::newRow("n equal to k") << "7"
                                      << "7"
                                      << "en_US"
                                      << "1";
        // 99 over 17 is the largest coefficient of n = 99 below 2^63; 99 over 18 is not.
        QTest::newRow("the largest that fits") << "99"
                                               << "17"
                                               << "en_US"
                                               << "5,519,611,944,537,877,494";
    }

    void results() {
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(QString, locale);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(locale));
        GuiFixture f;
        TFNueberK window(f.context(), f.services());
        window.e1()->setText(n);
        window.e2()->setText(k);
        window.findChild<QPushButton*>(QStringLiteral("BCalc"))->click();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(window.P1()->text(), result);
        QVERIFY(f.fake().messages.shown.isEmpty());
    }

    // The two input checks are German in both languages, in the plain dialog; the last
    // result stays.
    void checks_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        const QString first = QStringLiteral(
            "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab.");
        const QString second = QStringLiteral(
            "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.");
        QTest::newRow("empty n, English") << ""
                                          << "3" << 1 << first;
        QTest::newRow("n = 0, German") << "0"
                                       << "0" << 0 << first;
        QTest::newRow("k above n, English") << "5"
                                            << "6" << 1 << second;
        QTest::newRow("k above n, German") << "5"
                                           << "6" << 0 << second;
    }

    void checks() {
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(int, language);
        QFETCH(QString, text);
        GuiFixture f;
        f.context().Language = language;
        TFNueberK window(f.context(), f.services());
        window.P1()->setText(QStringLiteral("previous"));
        window.e1()->setText(n);
        window.e2()->setText(k);
        window.BCalcClick();
        QCOMPARE(f.fake().messages.shown.size(), 1);
        QCOMPARE(f.fake().messages.shown.first().text, text);
        QCOMPARE(f.fake().messages.shown.first().style, MessageStyle::Plain);
        QCOMPARE(f.fake().messages.shown.first().kind, MessageKind::Information);
        QCOMPARE(window.P1()->text(), QStringLiteral("previous"));
    }

    // Coefficients beyond 64 bits are reported instead of showing a wrong number.
    void overflowIsReported() {
        GuiFixture f;
        TFNueberK window(f.context(), f.services());
        window.P1()->setText(QStringLiteral("previous"));
        window.e1()->setText(QStringLiteral("99"));
        window.e2()->setText(QStringLiteral("18"));
        window.BCalcClick();
        QCOMPARE(f.fake().messages.shown.size(), 1);
        QCOMPARE(f.fake().messages.shown.first().text,
                 QStringLiteral("99 over 18 is too large to be calculated exactly.\r\r"
                                "I will abort first of all."));
        QCOMPARE(window.P1()->text(), QStringLiteral("previous"));
    }

    // Only digits, backspace and Enter reach the fields; Enter computes when both hold text.
    void keyFilter() {
        GuiFixture f;
        TFNueberK window(f.context(), f.services());
        window.show();
        QTest::keyClicks(window.e1(), QStringLiteral("a4-+ 9x"));
        QCOMPARE(window.e1()->text(), QStringLiteral("49"));
        QTest::keyClicks(window.e1(), QStringLiteral("7"));
        QCOMPARE(window.e1()->text(), QStringLiteral("49"));  // at most two characters
        QTest::keyClick(window.e1(), Qt::Key_Return);
        QCOMPARE(window.P1()->text(), QString());  // k is still empty
        QTest::keyClicks(window.e2(), QStringLiteral("6"));
        QTest::keyClick(window.e2(), Qt::Key_Backspace);
        QCOMPARE(window.e2()->text(), QString());
        QTest::keyClicks(window.e2(), QStringLiteral("6"));
        QTest::keyClick(window.e2(), Qt::Key_Enter);
        QCOMPARE(window.P1()->text(), QStringLiteral("13,983,816"));
        window.hide();
    }

    void closeOnlyHides() {
        GuiFixture f;
        TFNueberK window(f.context(), f.services());
        window.show();
        window.findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton1"))->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Kombora"));
    }
};

QTEST_MAIN(NueberKTest)
#include "test_nueberk.moc"
