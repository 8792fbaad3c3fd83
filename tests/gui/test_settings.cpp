// The settings file "Einstellungen.ini": read when the main window is first shown, written
// when it closes.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

#include "io/ini_file.h"
#include "gui_fixture.h"
#include "main_window.h"
#include "pages/page_own_rows.h"
#include "pages/page_rows.h"
#include "pages/page_selection.h"
#include "widgets/choice_group.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

namespace {

// The keys of the file in the order they stand in it, as "section/key=value".
QStringList Entries(const std::string& text) {
    QStringList entries;
    QString section;
    for (const QString& raw : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.size() - 2);
        } else if (line.contains(QLatin1Char('='))) {
            entries << section + QLatin1Char('/') + line;
        }
    }
    return entries;
}

struct Window {
    explicit Window(GuiFixture& f) : main(f.Initialize(), f.services()) { main.show(); }
    ~Window() { main.hide(); }
    PageSelection& filter() { return *main.pageSelection(); }
    TFMain main;
};

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietPlatformWarnings(); }

    // First run: nothing is read; closing writes all sixteen entries in their order from the
    // controls' initial values.
    void firstRunWritesAllSixteenEntries() {
        GuiFixture f;
        {
            Window w(f);
            QVERIFY(!f.SettingsExist());
            w.main.close();
        }
        QCOMPARE(
            Entries(f.ReadSettings()),
            QStringList({"Filter/ZP=13", "Filter/ReiG=6", "Filter/GA=2", "Filter/TR=24",
                         "Filter/BZ=2", "Filter/GARadio=1", "Filter/BZRadio=1", "Filter/ZPegal=0",
                         "Filter/GAegal=0", "Filter/TRegal=1", "Filter/BZegal=0",
                         "Allgemein/biggestZZ=59", "Allgemein/Sprache=1", "Eigene Reihen/Trenner=0",
                         "Excel-Export/Mit=0", "Reihenanalyse/Detail=1"}));
    }

    // A file with only "Sprache": every other entry reads its default.
    void onlyLanguageInTheFile() {
        GuiFixture f;
        f.WriteSettings("[Allgemein]\r\nSprache=1\r\n");
        Window w(f);
        PageSelection& p = w.filter();
        QCOMPARE(p.SliderValue(1), 12);
        QCOMPARE(p.SliderValue(2), 6);
        QCOMPARE(p.SliderValue(3), 2);
        QCOMPARE(p.SliderValue(4), 24);
        QCOMPARE(p.SliderValue(5), 0);
        QCOMPARE(p.ChoiceIndex(3), 0);
        QCOMPARE(p.ChoiceIndex(5), 0);
        for (int box : {1, 3, 4, 5}) QVERIFY(!p.NoMatter(box));
        QVERIFY(w.main.pageOwnRows()->cbDetail()->isChecked());
        QVERIFY(!w.main.pageRows()->cbMit()->isChecked());
        QCOMPARE(w.main.updown1()->value(), 59);
        QCOMPARE(w.main.pageOwnRows()->RGTrenner()->itemIndex(), 0);
        QCOMPARE(f.context().Language, 1);
    }

    // The pool is set while its maximum is still 59; the larger largest number comes later.
    void poolAboveTheInitialLargestNumber() {
        GuiFixture f;
        f.WriteSettings("[Filter]\nZP=80\n[Allgemein]\nbiggestZZ=90\nSprache=1\n");
        Window w(f);
        QCOMPARE(w.filter().SliderValue(1), 59);
        QCOMPARE(w.main.updown1()->value(), 90);
        QCOMPARE(w.filter().Slider(1)->maximum(), 90);
        QCOMPARE(f.context().LargestNumber, 90);
    }

    // Setting the pool unchecks its box; the stored box comes after and checks it again.
    void noMatterSurvivesTheSlider() {
        GuiFixture f;
        f.WriteSettings("[Filter]\nZP=20\nZPegal=1\n");
        Window w(f);
        QCOMPARE(w.filter().SliderValue(1), 20);
        QVERIFY(w.filter().NoMatter(1));
        QCOMPARE(w.filter().ValueLabel(1)->text(), QStringLiteral("X"));
    }

    // "Sprache" missing while the file exists: the main window reads 0 and writes it back.
    void missingLanguageBecomesGerman() {
        GuiFixture f;
        f.WriteSettings("[Filter]\nZP=14\n");
        {
            Window w(f);
            QCOMPARE(f.context().Language, 0);
            w.main.close();
        }
        QVERIFY(Entries(f.ReadSettings()).contains(QStringLiteral("Allgemein/Sprache=0")));
    }

    void valuesAreClampedOrDefaulted_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("parameter");  // slider number, or 0 for updown1
        QTest::addColumn<int>("value");
        QTest::newRow("tip size above 10") << "ReiG=15" << 2 << 10;
        QTest::newRow("tip size below 4") << "ReiG=1" << 2 << 4;
        QTest::newRow("pool not a number") << "ZP=zwölf" << 1 << 12;
        QTest::newRow("row count kept off the step") << "TR=27" << 4 << 27;
        QTest::newRow("bank numbers above the tip size's bound") << "ReiG=4\nBZ=4" << 5 << 2;
        QTest::newRow("largest number above 100") << "biggestZZ=250" << 0 << 100;
        QTest::newRow("largest number below 32") << "biggestZZ=3" << 0 << 32;
    }

    void valuesAreClampedOrDefaulted() {
        QFETCH(QString, file);
        QFETCH(int, parameter);
        QFETCH(int, value);
        GuiFixture f;
        const QString section =
            parameter == 0 ? QStringLiteral("Allgemein") : QStringLiteral("Filter");
        f.WriteSettings(("[" + section + "]\n" + file + "\n").toStdString());
        Window w(f);
        const int actual =
            parameter == 0 ? w.main.updown1()->value() : w.filter().SliderValue(parameter);
        QCOMPARE(actual, value);
    }

    void choicesAreClamped_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("below -1") << -5 << -1;
        QTest::newRow("-1: nothing selected") << -1 << -1;
        QTest::newRow("above 1") << 7 << 1;
    }

    void choicesAreClamped() {
        QFETCH(int, stored);
        QFETCH(int, expected);
        GuiFixture f;
        f.WriteSettings("[Filter]\nGARadio=" + std::to_string(stored) +
                        "\nBZ=2\nBZRadio=" + std::to_string(stored) + "\n");
        Window w(f);
        QCOMPARE(w.filter().ChoiceIndex(3), expected);
        QCOMPARE(w.filter().ChoiceIndex(5), expected);
    }

    // What the user changed comes back in the next run; other entries of the file stay.
    void roundTrip() {
        GuiFixture f;
        f.WriteSettings("[Allgemein]\nSprache=1\nFarbe=blau\n[Fremd]\nSchluessel=7\n");
        {
            Window w(f);
            w.main.updown1()->setValue(45);
            w.filter().SetSliderValue(2, 8);
            w.filter().SetSliderValue(1, 30);
            w.filter().SetChoice(3, 0);
            w.filter().SetNoMatter(5, true);
            w.main.pageRows()->cbMit()->setChecked(true);
            w.main.pageOwnRows()->cbDetail()->setChecked(false);
            w.main.pageOwnRows()->RGTrenner()->setItemIndex(2);
            w.main.close();
        }
        const QStringList entries = Entries(f.ReadSettings());
        for (const char* expected :
             {"Allgemein/Farbe=blau", "Fremd/Schluessel=7", "Filter/ZP=30", "Filter/ReiG=8",
              "Filter/GARadio=0", "Filter/BZegal=1", "Allgemein/biggestZZ=45",
              "Eigene Reihen/Trenner=2", "Excel-Export/Mit=1", "Reihenanalyse/Detail=0"}) {
            QVERIFY2(entries.contains(QString::fromUtf8(expected)), expected);
        }
        GuiFixture again;
        again.WriteSettings(f.ReadSettings());
        Window w(again);
        QCOMPARE(w.main.updown1()->value(), 45);
        QCOMPARE(w.filter().SliderValue(1), 30);
        QCOMPARE(w.filter().SliderValue(2), 8);
        QVERIFY(w.filter().NoMatter(5));
        QVERIFY(w.main.pageRows()->cbMit()->isChecked());
        QVERIFY(!w.main.pageOwnRows()->cbDetail()->isChecked());
        QCOMPARE(w.main.pageOwnRows()->RGTrenner()->itemIndex(), 2);
    }

    // The file is read once, at the first showing.
    void readOnlyOnFirstShow() {
        GuiFixture f;
        f.WriteSettings("[Filter]\nZP=20\n");
        Window w(f);
        QCOMPARE(w.filter().SliderValue(1), 20);
        w.filter().SetSliderValue(1, 25);
        w.main.hide();
        w.main.show();
        QCOMPARE(w.filter().SliderValue(1), 25);
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
