// The clipboard copy as another program sees it, on the private X server.
#include "chart_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTest>

namespace quarnel::test {

namespace {

// Runs xclip reading the clipboard while this process keeps answering the X server's
// selection requests, which only happens while the event loop runs.
QByteArray readClipboard(const QString& target) {
    QProcess xclip;
    xclip.start(QStringLiteral(XCLIP), {"-selection", "clipboard", "-t", target, "-o"});
    if (!xclip.waitForStarted())
        return {};
    const bool finished =
        QTest::qWaitFor([&xclip] { return xclip.state() == QProcess::NotRunning; }, 10000);
    if (!finished) {
        xclip.kill();
        xclip.waitForFinished();
        return {};
    }
    return xclip.exitCode() == 0 ? xclip.readAllStandardOutput() : QByteArray();
}

} // namespace

class ChartClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void anotherProgramReadsOneBitmapAndNoText();
};

void ChartClipboardTest::anotherProgramReadsOneBitmapAndNoText() {
    // Another program holds text on the clipboard first; it gives up the clipboard, and exits,
    // once the chart takes it.
    QProcess holder;
    holder.start(QStringLiteral(XCLIP), {"-selection", "clipboard", "-quiet", "-i"});
    QVERIFY(holder.waitForStarted());
    holder.write("former text");
    holder.closeWriteChannel();
    QVERIFY(QTest::qWaitFor([] { return readClipboard("UTF8_STRING") == "former text"; }, 5000));

    SignalChart chart;
    appendSendTrace(chart);
    chart.Series1().SetLinePenColor(kBlue);
    chart.CopyToClipboardBitmap();
    QVERIFY(QApplication::clipboard()->ownsClipboard());
    QVERIFY(QTest::qWaitFor([&holder] { return holder.state() == QProcess::NotRunning; }, 5000));
    if (holder.state() != QProcess::NotRunning)
        holder.kill();

    const QList<QByteArray> targets = readClipboard("TARGETS").split('\n');
    QVERIFY2(targets.contains("image/png"), targets.join(' ').constData());
    for (const QByteArray& target : targets) {
        const bool text = target.startsWith("text/") || target == "UTF8_STRING" ||
                          target == "STRING" || target == "TEXT" || target == "COMPOUND_TEXT";
        QVERIFY2(!text, target.constData());
    }

    const QImage copied = QImage::fromData(readClipboard("image/png"), "PNG");
    QCOMPARE(copied.size(), QSize(657, 250));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), chart.toImage());
}

} // namespace quarnel::test

QTEST_MAIN(quarnel::test::ChartClipboardTest)
#include "chart_clipboard_test.moc"
