// Whatever a class can type, paste or press, through the real window: each gives a sound
// result or a clear message, and what the window shows stays whole.
#include "box_answerer.h"
#include "character_code.h"
#include "frame_trace.h"
#include "hex_megabyte.h"
#include "letter_list.h"
#include "line_series.h"
#include "program_fixture.h"
#include "signal_chart.h"
#include "test_main.h"
#include "user_input.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

using quarnel::TracePoint;

const QString kNoLetter = QStringLiteral("Vous n'avez pas choisi de lettre");

std::vector<TracePoint> sendTraceOf(const char16_t* binary) {
    return *quarnel::sendTrace(binary);
}

using user::pasteInto;
using user::typeInto;

void envoyer() {
    user::click(programme->Button1);
}

// A page of French prose, some eighty lines.
QString pageOfText() {
    QString page;
    for (int line = 0; line < 80; ++line)
        page += QStringLiteral("Ligne %1 : le signal circule de la gauche vers la droite.\n")
                    .arg(line + 1);
    return page;
}

// What the window shows and keeps between handlers.
struct Shown {
    QString letter;
    QString code;
    QString binary;
    QString parity;
    std::vector<TracePoint> points;
    double timeMaximum;
    bool helpVisible;
    QString clipboardText;
    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shown() {
    return {programme->liste->currentText(),
            programme->resultat->text(),
            programme->binaire->text(),
            programme->pair->text(),
            seriesPoints(),
            programme->Chart1->BottomAxis().Maximum(),
            aide->isVisible(),
            QApplication::clipboard()->text()};
}

QPoint centreInWindow(QWidget* control) {
    return control->mapTo(programme, control->rect().center());
}

QPoint menuCommandInWindow(QAction* command) {
    const QRect place = programme->MainMenu1->actionGeometry(command);
    return programme->MainMenu1->mapTo(programme, place.center());
}

// Every way the window offers to start a handler, sent through the window system, where a
// modal box blocks them.
void clickAndTypeEverywhere() {
    QWindow* window = programme->windowHandle();
    for (QWidget* control : std::initializer_list<QWidget*>{programme->Button1, programme->zoomplus,
                                                            programme->zoommoins, programme->liste,
                                                            programme->resultat, programme->Chart1})
        QTest::mouseClick(window, Qt::LeftButton, {}, centreInWindow(control));
    for (QAction* command : {programme->Aide1, programme->Imprimer, programme->copier})
        QTest::mouseClick(window, Qt::LeftButton, {}, menuCommandInWindow(command));
    for (Qt::Key accelerator : {Qt::Key_A, Qt::Key_I, Qt::Key_C})
        QTest::keyClick(window, accelerator, Qt::AltModifier);
    for (Qt::Key key : {Qt::Key_B, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace})
        QTest::keyClick(window, key);
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramWindows> windows;

private slots:
    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->showActive());
    }
    void cleanup() { windows.reset(); }

    void megabyte_pasted_into_the_code_field() {
        BoxAnswerer boxes;
        typeInto(programme->liste, QStringLiteral("c"));
        const QString code = megabyteOfHexDigits(QStringLiteral("C3"));
        pasteInto(programme->resultat, code);
        QCOMPARE(programme->resultat->text().size(), code.size());
        envoyer();
        // The whole binary text is shown; the data byte is the first two digits' bits.
        const QString binary = programme->binaire->text();
        QCOMPARE(binary.size(), 4 * code.size());
        QCOMPARE(binary, QString::fromStdU16String(quarnel::HexToBinStr(code.toStdU16String())));
        QCOMPARE(programme->pair->text(), QStringLiteral("0")); // 11000011: four ones
        QCOMPARE(programme->resultat4, binary);
        QCOMPARE(seriesPoints(), sendTraceOf(u"11000011"));
        QCOMPARE(programme->resultat->text(), code);
        QVERIFY(boxes.texts().isEmpty());
        // Drawing the window with such fields ends, and shows the trace.
        const QImage chart = programme->Chart1->grab().toImage();
        QVERIFY(chart.pixelColor(chart.rect().center()).isValid());
    }

    void unusual_characters_data() {
        QTest::addColumn<QString>("field"); // "list" or "code"
        QTest::addColumn<QString>("means"); // "type" or "paste"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("boxes");
        auto row = [](const char* name, const char* field, const char* means, const QString& text,
                      const QString& code, const char* binary, const char* parity, int points,
                      QStringList boxes = {}) {
            QTest::newRow(name) << field << means << text << code << binary << parity << points
                                << boxes;
        };
        const auto notAnInteger = [](const QString& named) {
            return QStringList{
                QStringLiteral("'$%1' n'est pas une valeur entière correcte.").arg(named)};
        };
        const QString emoji = QStringLiteral("\U0001F600");
        const QString nul(QChar(0));

        // The letter list: the code is the first character's first UTF-16 code unit.
        row("list_emoji_is_its_high_surrogate", "list", "type", emoji, "D83D", "1101100000111101",
            "0", 26);
        row("list_right_to_left_text", "list", "type", QStringLiteral("مرحبا"), "645",
            "011001000101", "1", 26);
        row("list_nul_pasted", "list", "paste", nul, "0", "0000", "0", 26);
        row("list_bell_pasted", "list", "paste", QStringLiteral("\a"), "7", "0111", "1", 26);
        row("list_page_of_text_pasted", "list", "paste", pageOfText(), "4C", "01001100", "1", 26);

        // The code field: anything but a hexadecimal digit is named in the message, the series
        // has been cleared (a letter is chosen), and the binary and parity fields keep the
        // former frame's.
        row("code_emoji_named_whole", "code", "type", QStringLiteral("6") + emoji, "6" + emoji,
            "01100011", "0", 0, notAnInteger(emoji));
        row("code_nul_pasted", "code", "paste", "6" + nul, "6" + nul, "01100011", "0", 0,
            notAnInteger(nul));
        row("code_control_character_pasted", "code", "paste", QStringLiteral("\x01") + "6",
            QStringLiteral("\x01") + "6", "01100011", "0", 0, notAnInteger("\x01"));
        row("code_arabic_indic_digits", "code", "type", QStringLiteral("٦١"), QStringLiteral("٦١"),
            "01100011", "0", 0, notAnInteger(QStringLiteral("١")));
        row("code_fullwidth_digits", "code", "type", QStringLiteral("６１"), QStringLiteral("６１"),
            "01100011", "0", 0, notAnInteger(QStringLiteral("１")));
        row("code_right_to_left_mark", "code", "paste", QStringLiteral("61\u200F"),
            QStringLiteral("61\u200F"), "01100011", "0", 0, notAnInteger(QStringLiteral("\u200F")));
        row("code_page_of_text_pasted", "code", "paste", pageOfText(), pageOfText(), "01100011",
            "0", 0, notAnInteger("\n"));
    }

    void unusual_characters() {
        QFETCH(QString, field);
        QFETCH(QString, means);
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(QString, binary);
        QFETCH(QString, parity);
        QFETCH(int, points);
        QFETCH(QStringList, boxes);
        BoxAnswerer answerer;
        const auto enter = means == "type" ? typeInto : pasteInto;
        if (field == "list") {
            enter(programme->liste, text);
            QCOMPARE(programme->liste->currentText(), text);
        } else {
            // A frame is on show before the bad code is entered.
            typeInto(programme->liste, QStringLiteral("c"));
            envoyer();
            enter(programme->resultat, text);
        }
        QCOMPARE(programme->resultat->text(), code);
        envoyer();
        QCOMPARE(answerer.texts(), boxes);
        QCOMPARE(programme->binaire->text(), binary);
        QCOMPARE(programme->pair->text(), parity);
        QCOMPARE(programme->Series1->Count(), points);
        if (points > 0)
            QCOMPARE(seriesPoints(),
                     sendTraceOf(binary.left(8).rightJustified(8, '0').toStdU16String().c_str()));
        // The program goes on: a letter chosen afterwards is drawn as usual.
        typeInto(programme->liste, QStringLiteral("a"));
        envoyer();
        QCOMPARE(programme->binaire->text(), QStringLiteral("01100001"));
        QCOMPARE(seriesPoints(), sendTraceOf(u"01100001"));
        QCOMPARE(answerer.texts(), boxes);
    }

    void ten_thousand_envoyer_without_a_letter() {
        BoxAnswerer boxes;
        pasteInto(programme->resultat, QStringLiteral("63"));
        const auto objectsBefore = programme->findChildren<QObject*>().size();
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        // Hidden while the presses run: shown, each box's event loop would redraw a line that
        // grows by a trace at every press. The drawing is checked once at the end.
        // A hidden window takes no input from the window system: the clicks go to the button.
        programme->hide();
        for (int press = 0; press < 10000; ++press)
            QTest::mouseClick(programme->Button1, Qt::LeftButton);
        QCOMPARE(boxes.texts().size(), 10000);
        QCOMPARE(boxes.texts().front(), kNoLetter);
        QCOMPARE(boxes.texts().back(), kNoLetter);

        // The traces merged: at each x, the points of one trace at that x, once per press, in
        // the trace's order.
        const std::vector<TracePoint> trace = sendTraceOf(u"01100011");
        std::vector<TracePoint> merged;
        for (std::size_t first = 0; first < trace.size();) {
            std::size_t end = first;
            while (end < trace.size() && trace[end].x == trace[first].x)
                ++end;
            for (int press = 0; press < 10000; ++press)
                merged.insert(merged.end(), trace.begin() + first, trace.begin() + end);
            first = end;
        }
        QCOMPARE(seriesPoints(), merged);

        // Memory: the series holds little more than its points, and nothing else piles up.
        const quarnel::PointList& held = programme->Series1->Points();
        QVERIFY2(held.Capacity() <= 2 * std::size_t(held.Count()),
                 qPrintable(QString::number(held.Capacity())));
        QCOMPARE(programme->findChildren<QObject*>().size(), objectsBefore);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);

        programme->show();
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        const QImage chart = programme->Chart1->grab().toImage();
        QVERIFY(!chart.isNull());

        // Choosing a letter clears the merged line.
        typeInto(programme->liste, QStringLiteral("c"));
        envoyer();
        QCOMPARE(seriesPoints(), trace);
        QCOMPARE(boxes.texts().size(), 10000);
    }

    void modal_box_blocks_the_window_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("information_box") << "information";
        QTest::newRow("exception_display") << "exception";
    }

    void modal_box_blocks_the_window() {
        QFETCH(QString, box);
        QApplication::clipboard()->setText(QStringLiteral("avant"));
        QString expectedText;
        if (box == "information") {
            typeInto(programme->resultat, QStringLiteral("63"));
            expectedText = kNoLetter;
        } else {
            typeInto(programme->liste, QStringLiteral("c"));
            envoyer();
            typeInto(programme->resultat, QStringLiteral("6G"));
            expectedText = QStringLiteral("'$G' n'est pas une valeur entière correcte.");
        }

        SeenBox seen;
        std::optional<Shown> before;
        std::optional<Shown> during;
        QStringList nestedBoxes;
        bool stillModal = false;
        expectBox(seen, [&](QMessageBox* open) {
            before = shown();
            {
                // Any handler that got through would open a box of its own: answer it.
                BoxAnswerer nested;
                clickAndTypeEverywhere();
                QTest::qWait(50);
                nestedBoxes = nested.texts();
            }
            during = shown();
            stillModal = QApplication::activeModalWidget() == open;
            QTest::keyClick(open, Qt::Key_Escape);
        });
        envoyer();
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, expectedText);
        QVERIFY(nestedBoxes.isEmpty());
        QVERIFY(stillModal);
        QVERIFY(before && during);
        QCOMPARE(during->letter, before->letter);
        QCOMPARE(during->code, before->code);
        QCOMPARE(during->binary, before->binary);
        QCOMPARE(during->parity, before->parity);
        QCOMPARE(during->points.size(), before->points.size());
        QCOMPARE(during->timeMaximum, before->timeMaximum);
        QCOMPARE(during->helpVisible, false);
        QCOMPARE(during->clipboardText, QStringLiteral("avant"));

        // Once the box is closed, the same way in reaches the window again.
        BoxAnswerer later;
        QTest::mouseClick(programme->windowHandle(), Qt::LeftButton, {},
                          centreInWindow(programme->zoommoins));
        QTRY_COMPARE(programme->Chart1->BottomAxis().Maximum(), before->timeMaximum + 100);
    }
};

QUARNEL_TEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
