// The print server failing under "Imprimer courbe", through the real window: with no default
// printer, stopped between the printer check and the job, stopped in the middle of the job.
// Each is reported, the window is left as it was, and once the server is back printing works.
//
// The test starts a private CUPS server of its own (tools/test-env/cups.sh under its own
// state folder) and reaches it through print_server_cutter.py, which stops it at the chosen
// moment.
#include "application.h"
#include "box_answerer.h"
#include "letter_list.h"
#include "line_series.h"
#include "program_fixture.h"
#include "signal_chart.h"
#include "user_input.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString kStateDir = QStringLiteral(FAULT_STATE_DIR);
const QString kCupsScript = QStringLiteral(CUPS_SCRIPT);
const QString kCutterSocket = kStateDir + QStringLiteral("/cutter.sock");
const QString kModeFile = kStateDir + QStringLiteral("/cutter.mode");
const QString kSpareQueue = QStringLiteral("quarnel-fault-spare");

// A variable that tools/test-env/cups.sh wrote into STATE_DIR/cups.env, or nothing.
QString serverSetting(const QString& name) {
    QFile env(kStateDir + QStringLiteral("/cups.env"));
    if (!env.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression line(QStringLiteral("^export %1=(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(env.readAll())).captured(1);
}

// Runs a program to its end; its error output when it fails, nothing when it succeeds.
std::optional<QString> run(const QString& program, const QStringList& arguments,
                           bool onTheServer = false) {
    QProcess process;
    if (onTheServer) {
        // Client commands talk to the server itself, not through the cutter.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), serverSetting(QStringLiteral("CUPS_SERVER")));
        process.setProcessEnvironment(env);
    }
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return program + QStringLiteral(": ") + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(": ") +
               QString::fromLocal8Bit(process.readAllStandardError());
    return std::nullopt;
}

std::optional<QString> startServer() {
    return run(kCupsScript, {QStringLiteral("start"), kStateDir});
}

bool serverRunning() {
    return QFile::exists(serverSetting(QStringLiteral("CUPS_SERVER")));
}

void setCutterMode(const QByteArray& mode) {
    QFile file(kModeFile);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(mode);
}

QByteArray cutterMode() {
    QFile file(kModeFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

QStringList capturedJobs() {
    return QDir(serverSetting(QStringLiteral("QUARNEL_PRINT_OUTPUT")))
        .entryList({QStringLiteral("job-*.data")}, QDir::Files);
}

struct Shown {
    QString code;
    QString binary;
    QString parity;
    int points;
    double timeMaximum;
    QImage chart;
    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shown() {
    return {programme->resultat->text(),
            programme->binaire->text(),
            programme->pair->text(),
            programme->Series1->Count(),
            programme->Chart1->BottomAxis().Maximum(),
            programme->Chart1->toImage()};
}

} // namespace

class PrintFaultTest : public QObject {
    Q_OBJECT

    QProcess cutter;
    std::unique_ptr<ProgramWindows> windows;

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(kStateDir));
        const auto started = startServer();
        QVERIFY2(!started, qPrintable(started.value_or(QString())));
        setCutterMode("pass");
        QFile::remove(kCutterSocket); // from an earlier run: its appearing tells the cutter is up
        cutter.setProcessChannelMode(QProcess::ForwardedChannels);
        cutter.start(QStringLiteral("python3"), {QStringLiteral(CUTTER_SCRIPT), kCutterSocket,
                                                 kStateDir, kCupsScript, kModeFile});
        QVERIFY(cutter.waitForStarted());
        QTRY_VERIFY(QFile::exists(kCutterSocket));
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(),
                 serverSetting(QStringLiteral("QUARNEL_PRINT_QUEUE")));
    }

    void cleanupTestCase() {
        cutter.kill();
        cutter.waitForFinished();
        run(kCupsScript, {QStringLiteral("stop"), kStateDir});
    }

    void init() {
        windows = std::make_unique<ProgramWindows>();
        programme->show();
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        user::typeInto(programme->liste, QStringLiteral("c"));
        user::click(programme->Button1);
        QCOMPARE(programme->Series1->Count(), 26);
    }

    void cleanup() {
        windows.reset();
        // Never start the server while the cutter is still stopping it.
        QTRY_VERIFY_WITH_TIMEOUT(cutterMode() != "stopping", 30000);
        setCutterMode("pass");
        if (!serverRunning())
            QVERIFY(!startServer());
        const QString queue = serverSetting(QStringLiteral("QUARNEL_PRINT_QUEUE"));
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kSpareQueue}, true);
        QVERIFY(!run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}, true));
    }

    void fault_is_reported_and_the_program_goes_on_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message"); // a pattern for the whole message
        const QString queue =
            QRegularExpression::escape(serverSetting(QStringLiteral("QUARNEL_PRINT_QUEUE")));
        const QString gone = QStringLiteral("le serveur d'impression ne répond pas\\.");
        QTest::newRow("no_default_printer")
            << "no-default" << QStringLiteral("Aucune imprimante par défaut sélectionnée\\.");
        QTest::newRow("server_stopped_between_the_check_and_the_job")
            << "before-job"
            << QStringLiteral("L'impression de « Chart1 » sur « %1 » a échoué : %2")
                   .arg(queue, gone);
        // The server had taken the job when it stopped: whether it keeps it is not known.
        QTest::newRow("server_stopped_in_the_middle_of_the_job")
            << "mid-job"
            << QStringLiteral(
                   "L'impression de « Chart1 » sur « %1 » n'a pas pu être confirmée : %2")
                   .arg(queue, gone);
    }

    void fault_is_reported_and_the_program_goes_on() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        if (fault == "no-default") {
            // CUPS has no command to clear its default; deleting the default queue does.
            const QString output = serverSetting(QStringLiteral("QUARNEL_PRINT_OUTPUT"));
            QVERIFY(!run(QStringLiteral("lpadmin"),
                         {"-p", kSpareQueue, "-E", "-v", "quarnel-capture:" + output, "-m", "raw"},
                         true));
            QVERIFY(!run(QStringLiteral("lpadmin"), {"-d", kSpareQueue}, true));
            QVERIFY(!run(QStringLiteral("lpadmin"), {"-x", kSpareQueue}, true));
        } else {
            setCutterMode(fault.toLatin1());
        }
        const Shown before = shown();
        const QStringList jobsBefore = capturedJobs();

        BoxAnswerer boxes;
        programme->Imprimer->trigger();
        QCOMPARE(boxes.texts().size(), 1);
        const QRegularExpression whole(QRegularExpression::anchoredPattern(message));
        QVERIFY2(whole.match(boxes.texts().front()).hasMatch(), qPrintable(boxes.texts().front()));
        QCOMPARE(shown(), before);
        if (fault != "no-default") {
            // The cutter did stop it; the server starts anew only once it has quite stopped.
            QTRY_COMPARE_WITH_TIMEOUT(cutterMode(), QByteArray("stopped"), 30000);
            QVERIFY(!serverRunning());
        } else {
            QCOMPARE(capturedJobs(), jobsBefore);
        }

        // The server comes back, as a printer is switched on again: printing works.
        cleanup();
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(),
                 serverSetting(QStringLiteral("QUARNEL_PRINT_QUEUE")));
        init();
        const QStringList jobsAfterFault = capturedJobs();
        programme->Imprimer->trigger();
        QCOMPARE(boxes.texts().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(capturedJobs().size() == jobsAfterFault.size() + 1, 30000);
    }
};

int main(int argc, char** argv) {
    // This process reaches the print server only through the cutter. The print system reads
    // these once, early: they are set before the application exists. An empty client
    // configuration keeps the machine's own (client.conf, lpoptions) out of the way.
    const QByteArray clientConfiguration = QByteArray(FAULT_STATE_DIR) + "/client";
    QDir().mkpath(QString::fromLocal8Bit(clientConfiguration));
    qputenv("CUPS_SERVER", kCutterSocket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", clientConfiguration);
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    quarnel::Application application(argc, argv);
    PrintFaultTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "print_fault_test.moc"
