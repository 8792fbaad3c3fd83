// The update window against a small HTTP server of the test's own on 127.0.0.1: check,
// download with its checks, installation through the services. No test leaves the machine.

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/startup.h"
#include "form_exists.h"
#include "gui_fixture.h"
#include "main_window.h"
#include "tools/update.h"
#include "tools/update_window.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

namespace {

// One answer of the test server.
struct Route {
    Route(int status = 200, QByteArray body = {}) : status(status), body(std::move(body)) {}
    static Route Redirect(const QByteArray& location) {
        Route route(302);
        route.location = location;
        return route;
    }

    int status = 200;
    QByteArray body;
    bool sendLength = true;  // Content-Length; without it the body ends when the server closes
    qint64 announced = -1;   // a Content-Length other than the body's size
    qint64 cutAfter = -1;    // close after this many body bytes
    QByteArray location;     // redirect target
    bool hold = false;       // send half the body, the rest on Release()
};

// A tiny HTTP/1.1 responder: one request per connection, answered from the route table;
// unknown paths get 404.
class LoopbackServer : public QObject {
  public:
    LoopbackServer() {
        QVERIFY(server_.listen(QHostAddress::LocalHost, 0));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QUrl Url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    quint16 Port() const { return server_.serverPort(); }

    // Sends the rest of every held answer.
    void Release() {
        for (auto& [socket, rest] : held_) {
            if (!socket) continue;
            socket->write(rest);
            socket->disconnectFromHost();
        }
        held_.clear();
    }

    QMap<QString, Route> routes;
    QStringList requested;

  private:
    void Answer(QTcpSocket* socket) {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        buffers_.remove(socket);
        const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : "";
        requested.append(path);
        const Route route = routes.value(path, Route{404, "not found"});

        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " X\r\n";
        head += "Connection: close\r\n";
        if (route.sendLength) {
            head += "Content-Length: " +
                    QByteArray::number(route.announced >= 0 ? route.announced : route.body.size()) +
                    "\r\n";
        }
        if (!route.location.isEmpty()) head += "Location: " + route.location + "\r\n";
        head += "\r\n";
        socket->write(head);
        if (route.hold) {
            const qsizetype half = route.body.size() / 2;
            socket->write(route.body.left(half));
            held_.append({QPointer<QTcpSocket>(socket), route.body.mid(half)});
            return;
        }
        if (route.cutAfter >= 0) {
            socket->write(route.body.left(route.cutAfter));
        } else {
            socket->write(route.body);
        }
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QMap<QTcpSocket*, QByteArray> buffers_;
    QList<QPair<QPointer<QTcpSocket>, QByteArray>> held_;
};

QByteArray Record(const QByteArray& version, int lengthByte = -1) {
    QByteArray record(8, '\x7f');
    record += static_cast<char>(lengthByte < 0 ? version.size() : lengthByte);
    record += version;
    record.resize(static_cast<qsizetype>(kVersionRecordSize), '\0');
    return record;
}

QByteArray Program(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 3) % 251);
    return bytes;
}

QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

const QString kVersionPath = QString::fromUtf8(kVersionFileRemotePath);
const QString kInstallerPath = QString::fromUtf8(kInstallerRemotePath);
const QString kDigestPath = kInstallerPath + QString::fromUtf8(kDigestSuffix);

// A port on 127.0.0.1 that nobody listens on.
quint16 DeadPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

}  // namespace

class TestUpdate : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<GuiFixture> fixture_;
    std::unique_ptr<LoopbackServer> server_;
    QPointer<TFUpdate> window_;

    FakeServices& fake() { return fixture_->fake(); }
    QString DataFile(const char* name) const {
        return QString::fromStdString((fixture_->folders().appDataFolder / name).string());
    }
    QStringList MessageKeys() const {
        QStringList keys;
        for (const MessageRequest& request : fixture_->fake().messages.shown) keys << request.key;
        return keys;
    }
    QStringList DataFolderEntries() const {
        return QDir(QString::fromStdString(fixture_->folders().appDataFolder.string()))
            .entryList(QDir::Files | QDir::Hidden);
    }

    // Clicks a button and waits until the window is idle again.
    void ClickAndWait(QPushButton* button) {
        QSignalSpy ended(window_.data(), &TFUpdate::transferEnded);
        QTest::mouseClick(button, Qt::LeftButton);
        if (window_->Busy()) QVERIFY(ended.wait(10000));
        QVERIFY(!window_->Busy());
    }
    void Check() { ClickAndWait(window_->BCalc()); }
    void Download() { ClickAndWait(window_->BDown()); }

    void OfferVersion(const QByteArray& version) {
        server_->routes[kVersionPath] = Route{200, Record(version)};
    }
    // Check that finds 1.0.0.3, so that "Download" is enabled.
    void CheckFindsNewVersion() {
        OfferVersion("1.0.0.3");
        Check();
        QVERIFY(window_->BDown()->isEnabled());
        fake().messages.Clear();
    }

  private slots:
    void init() {
        QuietPlatformWarnings();
        fixture_ = std::make_unique<GuiFixture>();
        fixture_->Initialize();
        fixture_->context().Language = 1;
        server_ = std::make_unique<LoopbackServer>();
        fake().network.server = server_->Url();
        window_ = new TFUpdate(fixture_->context(), fixture_->services());
        window_->SetInstallStyle(TFUpdate::InstallStyle::Desktop);
        window_->show();
    }
    void cleanup() {
        delete window_.data();
        server_.reset();
        fixture_.reset();
        FlushDeletes();
    }

    void startsWithTheInstalledVersionAndBothStepsDisabled() {
        QCOMPARE(window_->PiVersion()->text(), QString::fromUtf8(kProgramVersion));
        QCOMPARE(window_->PvVersion()->text(), QString());
        QVERIFY(!window_->BDown()->isEnabled());
        QVERIFY(!window_->BSetup()->isEnabled());
        QCOMPARE(window_->Gauge3()->maximum(), 100);
        QCOMPARE(window_->windowTitle(), QString::fromUtf8(kProductName));
    }

    void updateCommandOpensTheWindowAgainAfterClosing() {
        delete window_.data();  // only the main window's update window is to be found
        TFMain main(fixture_->context(), fixture_->services());
        auto* menuItem = main.findChild<QAction*>(QStringLiteral("MUpdate1"));
        QVERIFY(menuItem);
        menuItem->trigger();
        QPointer<QWidget> first = FindForm(QStringLiteral("FUpdate"));
        QVERIFY(first && first->isVisible());
        // Minimised: restored, the same window.
        first->showMinimized();
        menuItem->trigger();
        QCOMPARE(FindForm(QStringLiteral("FUpdate")), first.data());
        QVERIFY(!first->isMinimized());
        // Closing destroys it; the command makes a new one with both steps disabled.
        first->close();
        FlushDeletes();
        QVERIFY(first.isNull());
        main.findChild<QAction*>(QStringLiteral("MUpdate2"))->trigger();
        auto* again = qobject_cast<TFUpdate*>(FindForm(QStringLiteral("FUpdate")));
        QVERIFY(again && again->isVisible());
        QVERIFY(!again->BDown()->isEnabled() && !again->BSetup()->isEnabled());
    }

    void checkComparesTheLastRecord_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("offered");
        QTest::newRow("one record, newer") << Record("1.0.0.3") << "1.0.0.3" << true;
        QTest::newRow("three records, the last counts")
            << Record("9.9.9.9") + Record("1.0.0.2") + Record("1.0.0.4") << "1.0.0.4" << true;
        QTest::newRow("same version") << Record("1.0.0.2") << "1.0.0.2" << false;
        QTest::newRow("three records ending with the same version")
            << Record("1.0.0.3") + Record("1.0.0.4") + Record("1.0.0.2") << "1.0.0.2" << false;
        QTest::newRow("lower version") << Record("1.0.0.1") << "1.0.0.1" << true;
    }
    void checkComparesTheLastRecord() {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(bool, offered);
        server_->routes[kVersionPath] = Route{200, file};
        Check();
        QCOMPARE(MessageKeys(), QStringList());
        QCOMPARE(window_->PvVersion()->text(), shown);
        QCOMPARE(window_->BDown()->isEnabled(), offered);
        // The version file stays in the application-data folder.
        QFile local(DataFile(kVersionFileName));
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), file);
    }

    void sameVersionDisablesAnEarlierOffer() {
        CheckFindsNewVersion();
        OfferVersion("1.0.0.2");
        Check();
        QVERIFY(!window_->BDown()->isEnabled());
    }

    void damagedVersionFileIsRefusedWithAMessage_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("detail");
        QTest::newRow("no record") << QByteArray() << "update.version_file_empty"
                                   << "";
        QTest::newRow("length no multiple of 24") << Record("1.0.0.3") + "x"
                                                  << "update.version_file_partial"
                                                  << "25 bytes";
        QTest::newRow("length byte above 15")
            << Record("1.0.0.3") + Record("1.0.0.4", 16) << "update.version_text_too_long"
            << "entry 2 gives a length of 16";
    }
    void damagedVersionFileIsRefusedWithAMessage() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, detail);
        CheckFindsNewVersion();
        server_->routes[kVersionPath] = Route{200, file};
        Check();
        QCOMPARE(MessageKeys(), QStringList{key});
        QVERIFY2(fake().messages.LastText().contains(detail),
                 qPrintable(fake().messages.LastText()));
        QVERIFY(!window_->BDown()->isEnabled());
        QCOMPARE(window_->PvVersion()->text(), QStringLiteral("1.0.0.3"));
    }

    void checkWithoutConnection() {
        CheckFindsNewVersion();
        QFile local(DataFile(kVersionFileName));
        QVERIFY(local.exists());

        // A server nobody listens on.
        fake().network.server = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(DeadPort()));
        Check();
        QCOMPARE(MessageKeys(), QStringList{"update.no_connection_check"});
        QCOMPARE(window_->PvVersion()->text(), QStringLiteral("1.0.0.3"));
        QVERIFY(local.exists());

        // The system knows there is no connection: nothing is asked at all.
        fake().messages.Clear();
        fake().network.server = server_->Url();
        fake().network.online = false;
        server_->requested.clear();
        Check();
        QCOMPARE(MessageKeys(), QStringList{"update.no_connection_check"});
        QCOMPARE(server_->requested, QStringList());
        QVERIFY(local.exists());
    }

    void checkFailsOnAMissingFile() {
        Check();  // no route: 404
        QCOMPARE(MessageKeys(), QStringList{"update.check_failed"});
        QCOMPARE(window_->PvVersion()->text(), QString());
        QVERIFY(!window_->BDown()->isEnabled());
        QVERIFY(!QFile::exists(DataFile(kVersionFileName)));
    }

    void onlyHttpsOrTheTestsLoopbackServer_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("loopbackAllowed");
        QTest::newRow("plain HTTP elsewhere") << "http://updates.example.org" << true;
        QTest::newRow("plain HTTP to loopback without the test switch") << "" << false;
        QTest::newRow("another scheme") << "ftp://127.0.0.1" << true;
    }
    void onlyHttpsOrTheTestsLoopbackServer() {
        QFETCH(QString, server);
        QFETCH(bool, loopbackAllowed);
        OfferVersion("1.0.0.3");
        if (!server.isEmpty()) fake().network.server = QUrl(server);
        fake().network.plainLoopbackAllowed = loopbackAllowed;
        Check();
        QCOMPARE(MessageKeys(), QStringList{"update.address_not_secure"});
        QCOMPARE(server_->requested, QStringList());
        QVERIFY(!window_->BDown()->isEnabled());
    }

    void redirectsStayOnTheSameServer() {
        // Within the server: followed.
        server_->routes[kVersionPath] = Route::Redirect("/downloads/v2.kmbx");
        server_->routes["/downloads/v2.kmbx"] = Route{200, Record("1.0.0.3")};
        Check();
        QCOMPARE(MessageKeys(), QStringList());
        QCOMPARE(window_->PvVersion()->text(), QStringLiteral("1.0.0.3"));

        // To another host: refused, nothing fetched from there.
        const QByteArray elsewhere =
            "http://127.0.0.2:" + QByteArray::number(server_->Port()) + "/downloads/v2.kmbx";
        server_->routes[kVersionPath] = Route::Redirect(elsewhere);
        server_->requested.clear();
        Check();
        QCOMPARE(MessageKeys(), QStringList{"update.redirect_refused"});
        QCOMPARE(server_->requested, QStringList{kVersionPath});
    }

    void downloadKeepsAWholeProgram_data() {
        QTest::addColumn<bool>("withDigest");
        QTest::newRow("size only") << false;
        QTest::newRow("size and digest") << true;
    }
    void downloadKeepsAWholeProgram() {
        QFETCH(bool, withDigest);
        CheckFindsNewVersion();
        const QByteArray program = Program(300000);
        server_->routes[kInstallerPath] = Route{200, program};
        if (withDigest)
            server_->routes[kDigestPath] = Route{200, Digest(program) + "  kmbxupdate.exe\n"};
        Download();
        QCOMPARE(MessageKeys(), QStringList());
        QVERIFY(window_->BSetup()->isEnabled());
        QVERIFY(!window_->BDown()->isEnabled());
        QCOMPARE(window_->Gauge3()->value(), 100);
        QFile file(DataFile(kInstallerFileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), program);
        // Nothing but the version file and the program is left in the folder.
        QStringList entries = DataFolderEntries();
        entries.removeAll(QStringLiteral("Einstellungen.ini"));
        QCOMPARE(entries, (QStringList{kInstallerFileName, kVersionFileName}));
    }

    void downloadRefusesWhatDidNotArriveWhole_data() {
        QTest::addColumn<int>("routeKind");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("detail");
        QTest::newRow("server breaks off mid-file") << 0 << "update.download_incomplete"
                                                    << "(4096 of 100000 bytes)";
        QTest::newRow("fewer bytes than announced") << 1 << "update.download_incomplete"
                                                    << "(100000 of 100500 bytes)";
        QTest::newRow("wrong digest") << 2 << "update.digest_mismatch"
                                      << "";
        QTest::newRow("unreadable digest") << 3 << "update.digest_unreadable"
                                           << "";
        QTest::newRow("neither size nor digest") << 4 << "update.download_size_unknown"
                                                 << "";
        QTest::newRow("no program on the server") << 5 << "update.download_failed"
                                                  << "";
    }
    void downloadRefusesWhatDidNotArriveWhole() {
        QFETCH(int, routeKind);
        QFETCH(QString, key);
        QFETCH(QString, detail);
        CheckFindsNewVersion();
        // An earlier, whole program is removed by the new download.
        QFile old(DataFile(kInstallerFileName));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();

        const QByteArray program = Program(100000);
        Route route{200, program};
        switch (routeKind) {
            case 0:
                route.cutAfter = 4096;
                break;
            case 1:
                route.announced = 100500;
                break;
            case 2:
                server_->routes[kDigestPath] = Route{200, Digest(program + "x")};
                break;
            case 3:
                server_->routes[kDigestPath] = Route{200, "<html>no</html>"};
                break;
            case 4:
                route.sendLength = false;
                break;
            case 5:
                route = Route{404, "not found"};
                break;
        }
        server_->routes[kInstallerPath] = route;
        Download();
        QCOMPARE(MessageKeys(), QStringList{key});
        QVERIFY2(fake().messages.LastText().contains(detail),
                 qPrintable(fake().messages.LastText()));
        QVERIFY(!window_->BSetup()->isEnabled());
        QVERIFY(window_->BDown()->isEnabled());  // may be tried again
        QVERIFY(!QFile::exists(DataFile(kInstallerFileName)));
        QStringList entries = DataFolderEntries();
        entries.removeAll(QStringLiteral("Einstellungen.ini"));
        QCOMPARE(entries, QStringList{kVersionFileName});

        // "Installation" does nothing with a refused file.
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(fake().desktop.openedUrls.size(), 0);
    }

    void progressWithoutAnnouncedSize() {
        CheckFindsNewVersion();
        // Reports 0 of 0, then 4096 of 0: a busy bar, and "Installation" waits for the end.
        window_->DataProgress(0, 0);
        QCOMPARE(window_->Gauge3()->maximum(), 0);
        QVERIFY(!window_->BSetup()->isEnabled());
        window_->DataProgress(4096, 0);
        QCOMPARE(window_->Gauge3()->maximum(), 0);
        QVERIFY(!window_->BSetup()->isEnabled());
        window_->DataProgress(4096, 8192);
        QCOMPARE(window_->Gauge3()->maximum(), 100);
        QCOMPARE(window_->Gauge3()->value(), 50);

        // The same transfer for real: 4096 bytes without a size, proven whole by its digest.
        const QByteArray program = Program(4096);
        Route route{200, program};
        route.sendLength = false;
        server_->routes[kInstallerPath] = route;
        server_->routes[kDigestPath] = Route{200, Digest(program)};
        Download();
        QCOMPARE(MessageKeys(), QStringList());
        QVERIFY(window_->BSetup()->isEnabled());
        QCOMPARE(window_->Gauge3()->maximum(), 100);
        QCOMPARE(window_->Gauge3()->value(), 100);
    }

    void downloadWithoutConnection() {
        CheckFindsNewVersion();
        fake().network.server = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(DeadPort()));
        Download();
        QCOMPARE(MessageKeys(), QStringList{"update.no_connection_download"});
        QVERIFY(window_->BDown()->isEnabled());
        QVERIFY(!window_->BSetup()->isEnabled());

        fake().messages.Clear();
        fake().network.online = false;
        Download();
        QCOMPARE(MessageKeys(), QStringList{"update.no_connection_download"});
    }

    void secondClicksDuringATransferDoNothing() {
        CheckFindsNewVersion();
        Route route{200, Program(200000)};
        route.hold = true;
        server_->routes[kInstallerPath] = route;
        server_->requested.clear();
        QSignalSpy ended(window_.data(), &TFUpdate::transferEnded);
        QTest::mouseClick(window_->BDown(), Qt::LeftButton);
        QVERIFY(window_->Busy());
        QTRY_VERIFY_WITH_TIMEOUT(server_->requested.size() == 1, 5000);
        // The window answers meanwhile; more clicks start nothing.
        window_->BDownClick();
        window_->BCalcClick();
        window_->BSetupClick();
        QTest::qWait(50);
        QCOMPARE(server_->requested, QStringList{kInstallerPath});
        QVERIFY(!window_->BCalc()->isEnabled());
        server_->Release();
        QVERIFY(ended.wait(10000));
        QCOMPARE(MessageKeys(), QStringList());
        QVERIFY(window_->BSetup()->isEnabled());
        QVERIFY(window_->BCalc()->isEnabled());
    }

    void closingDuringADownloadLeavesNothingBehind() {
        CheckFindsNewVersion();
        Route route{200, Program(200000)};
        route.hold = true;
        server_->routes[kInstallerPath] = route;
        QTest::mouseClick(window_->BDown(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(server_->requested.contains(kInstallerPath), 5000);
        window_->close();  // destroys the window
        FlushDeletes();
        QVERIFY(window_.isNull());
        server_->Release();
        QTest::qWait(50);
        QStringList entries = DataFolderEntries();
        entries.removeAll(QStringLiteral("Einstellungen.ini"));
        QCOMPARE(entries, QStringList{kVersionFileName});
    }

    void installationHandsTheFileToTheDesktop() {
        CheckFindsNewVersion();
        server_->routes[kInstallerPath] = Route{200, Program(1000)};
        Download();
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(fake().desktop.openedUrls,
                 QList<QUrl>{QUrl::fromLocalFile(DataFile(kInstallerFileName))});
        QCOMPARE(MessageKeys(), QStringList{"update.handed_to_desktop"});
        QCOMPARE(fake().desktop.programEnded, 0);

        // The desktop cannot open it: the German start-failed text, the program goes on.
        fake().messages.Clear();
        fake().desktop.succeed = false;
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(MessageKeys(), QStringList{"update.start_failed"});
        QCOMPARE(fake().messages.shown.last().style, MessageStyle::Plain);
        QCOMPARE(fake().desktop.programEnded, 0);
    }

    void installationOnWindows() {
        window_->SetInstallStyle(TFUpdate::InstallStyle::Windows);
        CheckFindsNewVersion();
        server_->routes[kInstallerPath] = Route{200, Program(1000)};
        Download();

        // Declined: the German text in the English interface; nothing started.
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(MessageKeys(),
                 (QStringList{"update.install_question", "update.install_declined"}));
        QVERIFY(fake().messages.LastText().startsWith(QStringLiteral("Installation wurde")));
        QCOMPARE(fake().messages.shown.last().style, MessageStyle::Plain);
        QCOMPARE(fake().desktop.openedUrls.size(), 0);

        // Accepted: the program is opened, the clean-up script started, Kombora ends.
        fake().messages.Clear();
        fake().messages.answers.enqueue(MessageAnswer::Yes);
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(MessageKeys(), QStringList{"update.install_question"});
        QCOMPARE(fake().desktop.openedUrls,
                 QList<QUrl>{QUrl::fromLocalFile(DataFile(kInstallerFileName))});
        QCOMPARE(fake().desktop.startedPrograms, QStringList{"cmd.exe"});
        const QString script = fake().desktop.startedArguments.last().last();
        QVERIFY(QFileInfo(script).fileName().startsWith(QStringLiteral("uis")));
        QVERIFY(script.endsWith(QStringLiteral(".bat")));
        QFile scriptFile(script);
        QVERIFY(scriptFile.open(QIODevice::ReadOnly));
        const QByteArray text = scriptFile.readAll();
        scriptFile.close();
        QFile::remove(script);
        QVERIFY(text.contains("goto Label1\r\n"));
        QVERIFY(text.contains("del \"" + QDir::toNativeSeparators(script).toLocal8Bit() + "\""));
        QCOMPARE(fake().desktop.programEnded, 1);

        // The script cannot be started: it does not stay in the temporary folder.
        fake().desktop.startedArguments.clear();
        fake().messages.answers.enqueue(MessageAnswer::Yes);
        auto* desktop = &fake().desktop;
        struct FailingStart : FakeDesktopService {
            bool StartProgram(const QString& program, const QStringList& arguments) override {
                FakeDesktopService::StartProgram(program, arguments);
                return false;
            }
        } failing;
        fixture_->services().desktop = &failing;
        QTest::mouseClick(window_->BSetup(), Qt::LeftButton);
        QCOMPARE(failing.startedArguments.size(), 1);
        QVERIFY(!QFile::exists(failing.startedArguments.last().last()));
        QCOMPARE(failing.programEnded, 1);
        fixture_->services().desktop = desktop;
    }
};

QTEST_MAIN(TestUpdate)
#include "test_update.moc"
