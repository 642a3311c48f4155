// A later start with a file hands the path to the running copy over a local socket.
#include <future>

#include <QSignalSpy>
#include <QTest>

#include "app/OpenRequests.h"

using namespace mirota;

class OpenRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void runningCopyReceivesThePath() {
        const QString name = QStringLiteral("mirota-test-%1").arg(QCoreApplication::applicationPid());
        OpenRequestServer server(name);
        QVERIFY(server.isListening());
        QSignalSpy received(&server, &OpenRequestServer::openRequested);
        const QString path = QStringLiteral("/現場/測量 1.txt");
        // The sender waits for the answer, so it runs beside the event loop of the running copy.
        auto sent = std::async(std::launch::async, [&] { return sendOpenRequest(name, path, 5000); });
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), path);
        QVERIFY(sent.get());
    }

    void nobodyListeningIsReportedAtOnce() {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!sendOpenRequest(QStringLiteral("mirota-test-nobody"), QStringLiteral("/tmp/a.txt"), 2000));
        QVERIFY(clock.elapsed() < 2000);
    }
};

QTEST_MAIN(OpenRequestsTest)
#include "OpenRequestsTest.moc"
