// The main window's handlers, driven through the real window with keys and clicks.
#include "box_answerer.h"
#include "frame_trace.h"
#include "letter_list.h"
#include "line_series.h"
#include "program_fixture.h"
#include "signal_chart.h"
#include "test_main.h"
#include "user_input.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kBlue(0, 0, 255);

// A script step: "list:T" clicks into the list, selects its text and types T, "bs" presses
// Backspace in the list, "code:T" clicks into the code field, selects and deletes its text
// and types T; "envoyer", "plus" and "moins" click those buttons.
void run(const QStringList& script) {
    for (const QString& step : script) {
        if (step.startsWith("list:")) {
            user::typeInto(programme->liste, step.mid(5));
        } else if (step == "bs") {
            user::click(programme->liste, {20, programme->liste->height() / 2});
            user::press(Qt::Key_Backspace);
        } else if (step.startsWith("code:")) {
            user::selectAllIn(programme->resultat);
            user::press(Qt::Key_Delete);
            user::type(step.mid(5));
        } else {
            QPushButton* button = step == "envoyer" ? programme->Button1
                                  : step == "plus"  ? programme->zoomplus
                                                    : programme->zoommoins;
            user::click(button);
        }
    }
}

} // namespace

class ActionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramWindows> windows;

private slots:
    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->showActive());
    }
    void cleanup() { windows.reset(); }

    void typical_use() {
        BoxAnswerer boxes;
        // 1. Choosing "c" fills the code field only.
        run({"list:c"});
        QCOMPARE(programme->resultat1, QStringLiteral("c"));
        QCOMPARE(programme->resultat2, 99);
        QCOMPARE(programme->resultat->text(), QStringLiteral("63"));
        QCOMPARE(programme->binaire->text(), QString());
        QCOMPARE(programme->Series1->Count(), 0);

        // 2-3. "Envoyer": binary text, parity, and the send trace in blue.
        run({"envoyer"});
        QCOMPARE(programme->binaire->text(), QStringLiteral("01100011"));
        QCOMPARE(programme->pair->text(), QStringLiteral("0"));
        QCOMPARE(programme->resultat4, QStringLiteral("01100011"));
        QCOMPARE(programme->Series1->LinePenColor(), kBlue);
        QCOMPARE(seriesPoints(), *quarnel::sendTrace(u"01100011"));
        QVERIFY(programme->Chart1->accessibleDescription().contains(QStringLiteral("« c »")));

        // 4. The zoom buttons step the time axis and draw the zoom trace, still in blue.
        run({"moins"});
        QCOMPARE(programme->Chart1->BottomAxis().Maximum(), 700.0);
        QCOMPARE(seriesPoints(), *quarnel::zoomTrace(u"01100011"));
        run({"plus", "plus"});
        QCOMPARE(programme->Chart1->BottomAxis().Maximum(), 500.0);
        QCOMPARE(programme->Series1->LinePenColor(), kBlue);
        QCOMPARE(programme->pair->text(), QStringLiteral("0"));

        // 5. "Aide" shows the help window; "Copier" puts the chart on the clipboard.
        programme->Aide1->trigger();
        QVERIFY(aide->isVisible());
        programme->copier->trigger();
        QCOMPARE(QApplication::clipboard()->image(), programme->Chart1->toImage());
        QVERIFY(boxes.texts().isEmpty());
    }

    void handlers_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<int>("points");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QStringList>("boxes");
        const QString noLetter = QStringLiteral("Vous n'avez pas choisi de lettre");
        auto row = [](const char* name, QStringList script, const char* code, const char* binary,
                      const char* parity, int points, QColor colour, double maximum,
                      QStringList boxes = {}) {
            QTest::newRow(name) << script << QString::fromUtf8(code) << QString::fromUtf8(binary)
                                << QString::fromUtf8(parity) << points << colour << maximum
                                << boxes;
        };
        row("typed_code_wins_over_the_letter", {"list:a", "code:6f", "envoyer"}, "6f", "01101111",
            "0", 26, kBlue, 600);
        row("capital_Z_typed_in_the_list", {"list:Z"}, "5A", "", "", 0, kOlive, 600);
        row("capital_C_completes_but_keeps_its_code", {"list:C"}, "43", "", "", 0, kOlive, 600);
        row("zoom_minus_before_any_letter", {"moins"}, "", "", "", 0, kOlive, 700, {noLetter});
        row("envoyer_twice_draws_one_frame", {"list:c", "envoyer", "envoyer"}, "63", "01100011",
            "0", 26, kBlue, 600);
        row("zoom_before_envoyer_draws_olive", {"list:c", "moins"}, "63", "01100011", "", 24,
            kOlive, 700);
        row("invalid_digit_ends_envoyer_after_the_clear",
            {"list:c", "envoyer", "code:6G", "envoyer"}, "6G", "01100011", "0", 0, kBlue, 600,
            {"'$G' n'est pas une valeur entière correcte."});
        row("invalid_digit_ends_zoom_after_the_step", {"list:c", "envoyer", "code:6 ", "moins"},
            "6 ", "01100011", "0", 0, kBlue, 700, {"'$ ' n'est pas une valeur entière correcte."});
        row("seventh_zoom_plus_is_refused_and_changes_nothing",
            {"list:c", "plus", "plus", "plus", "plus", "plus", "plus", "code:61", "plus"}, "61",
            "01100011", "", 24, kOlive, 0, {"Axis Maximum Value must be >= Minimum."});
        row("no_letter_merges_two_traces", {"code:63", "envoyer", "envoyer"}, "63", "01100011", "0",
            52, kBlue, 600, {noLetter, noLetter});
        row("emptied_letter_text_empties_the_code", {"list:c", "bs"}, "", "", "", 0, kOlive, 600);
        row("empty_code_draws_nothing_and_empties_parity",
            {"list:c", "envoyer", "code:", "envoyer"}, "", "", "", 0, kBlue, 600);
        row("one_digit_code_is_the_low_bits", {"list:c", "code:A", "envoyer"}, "A", "1010", "0", 26,
            kBlue, 600);
        row("code_above_255_uses_its_first_byte", {"list:c", "code:20AC", "envoyer"}, "20AC",
            "0010000010101100", "1", 26, kBlue, 600);
    }

    void handlers() {
        QFETCH(QStringList, script);
        QFETCH(QString, code);
        QFETCH(QString, binary);
        QFETCH(QString, parity);
        QFETCH(int, points);
        QFETCH(QColor, colour);
        QFETCH(double, maximum);
        QFETCH(QStringList, boxes);
        BoxAnswerer watcher;
        run(script);
        QCOMPARE(programme->resultat->text(), code);
        QCOMPARE(programme->binaire->text(), binary);
        QCOMPARE(programme->pair->text(), parity);
        QCOMPARE(programme->Series1->Count(), points);
        QCOMPARE(programme->Series1->LinePenColor(), colour);
        QCOMPARE(programme->Chart1->BottomAxis().Maximum(), maximum);
        QCOMPARE(watcher.texts(), boxes);
        const auto drawn = seriesPoints();
        for (std::size_t i = 1; i < drawn.size(); ++i)
            QVERIFY(drawn[i - 1].x <= drawn[i].x);
    }

    void merged_traces_keep_the_first_trace_first_at_each_x() {
        BoxAnswerer watcher;
        run({"code:61", "envoyer", "code:63", "envoyer"});
        const auto drawn = seriesPoints();
        QCOMPARE(drawn.size(), std::size_t(52));
        // At x = 52 the first trace ("a", parity 1) holds -5, -5, then "c" (parity 0) -5, +5.
        std::vector<double> at52;
        for (const auto& point : drawn)
            if (point.x == 52)
                at52.push_back(point.y);
        QCOMPARE(at52, (std::vector<double>{-5, -5, -5, 5}));
    }
};

QUARNEL_TEST_MAIN(ActionsTest)
#include "actions_test.moc"
