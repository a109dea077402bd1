// Another program and the clipboard, on the private X server: taken at the very moment of the
// copy, the copy is reported as failed and the other program keeps its content; taken right
// after, the copy had been made. Either way the window is left as it was and the next copy
// works.
#include "box_answerer.h"
#include "letter_list.h"
#include "line_series.h"
#include "program_fixture.h"
#include "signal_chart.h"
#include "test_main.h"
#include "user_input.h"

#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>

namespace {

// What another program reads from the clipboard, while this one keeps answering the X
// server's requests for it (which needs its event loop).
QByteArray readByAnotherProgram(const QString& target) {
    QProcess xclip;
    xclip.start(QStringLiteral(XCLIP), {"-selection", "clipboard", "-t", target, "-o"});
    if (!xclip.waitForStarted())
        return {};
    if (!QTest::qWaitFor([&xclip] { return xclip.state() == QProcess::NotRunning; }, 10000)) {
        xclip.kill();
        xclip.waitForFinished();
        return {};
    }
    return xclip.exitCode() == 0 ? xclip.readAllStandardOutput() : QByteArray();
}

// The same without running this program's event loop, for when another program owns the
// clipboard and this one must not hear of it yet.
QByteArray readByAnotherProgramMeanwhile() {
    QProcess xclip;
    xclip.start(QStringLiteral(XCLIP), {"-selection", "clipboard", "-o"});
    xclip.waitForFinished(5000);
    return xclip.readAllStandardOutput();
}

// Another program puts text on the clipboard and serves it until it loses the clipboard.
void takeClipboard(QProcess& holder, const QByteArray& text) {
    holder.start(QStringLiteral(XCLIP), {"-selection", "clipboard", "-quiet", "-i"});
    QVERIFY(holder.waitForStarted());
    holder.write(text);
    // Written at once: this program's event loop may not run until the copy.
    QVERIFY(holder.waitForBytesWritten());
    holder.closeWriteChannel();
}

struct Shown {
    QString code;
    QString binary;
    QString parity;
    int points;
    QImage chart;
    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shown() {
    return {programme->resultat->text(), programme->binaire->text(), programme->pair->text(),
            programme->Series1->Count(), programme->Chart1->toImage()};
}

// "Copier dans presse papier" by its accelerator, through the window system.
void copyByKeyboard() {
    QTest::keyClick(programme->windowHandle(), Qt::Key_C, Qt::AltModifier);
}

const QString kRefused = QStringLiteral("Impossible d'ouvrir le Presse-papiers : le système de "
                                        "fenêtres n'a pas donné le Presse-papiers au programme.");

} // namespace

class ClipboardFaultTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramWindows> windows;
    QProcess holder;

private slots:
    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->showActive());
        user::typeInto(programme->liste, QStringLiteral("c"));
        user::click(programme->Button1);
        QCOMPARE(programme->Series1->Count(), 26);
    }
    void cleanup() {
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            holder.waitForFinished();
        }
        windows.reset();
    }

    void taken_at_the_moment_of_the_copy() {
        const Shown before = shown();
        // The other program takes the clipboard while this one handles no event, and the
        // command runs before this one hears of it: as when the clipboard is taken while the
        // command is under way.
        takeClipboard(holder, "their text");
        for (int i = 0; i < 100 && readByAnotherProgramMeanwhile() != "their text"; ++i)
            QThread::msleep(20);
        QCOMPARE(readByAnotherProgramMeanwhile(), QByteArray("their text"));

        BoxAnswerer boxes;
        programme->copier->trigger();
        QCOMPARE(boxes.texts(), QStringList{kRefused});
        QCOMPARE(readByAnotherProgram("UTF8_STRING"), QByteArray("their text"));
        QCOMPARE(shown(), before);

        // The program goes on: the next copy takes the clipboard.
        copyByKeyboard();
        QCOMPARE(boxes.texts().size(), 1);
        const QImage copied = QImage::fromData(readByAnotherProgram("image/png"), "PNG");
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), programme->Chart1->toImage());
    }

    void taken_right_after_the_copy() {
        const Shown before = shown();
        BoxAnswerer boxes;
        copyByKeyboard();
        QVERIFY(boxes.texts().isEmpty());
        const QImage first = QImage::fromData(readByAnotherProgram("image/png"), "PNG");
        QCOMPARE(first.convertToFormat(QImage::Format_RGB32), programme->Chart1->toImage());

        takeClipboard(holder, "their text");
        QTRY_COMPARE(readByAnotherProgram("UTF8_STRING"), QByteArray("their text"));
        QTRY_VERIFY(!QApplication::clipboard()->ownsClipboard());
        QCOMPARE(shown(), before);

        copyByKeyboard();
        QVERIFY(boxes.texts().isEmpty());
        const QImage again = QImage::fromData(readByAnotherProgram("image/png"), "PNG");
        QCOMPARE(again.convertToFormat(QImage::Format_RGB32), programme->Chart1->toImage());
        QTRY_COMPARE(holder.state(), QProcess::NotRunning); // it gave the clipboard up
    }
};

QUARNEL_TEST_MAIN(ClipboardFaultTest)
#include "clipboard_fault_test.moc"
