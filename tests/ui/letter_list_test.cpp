// Typing in the letter list: completion, the current item, and when a change is reported.
#include "letter_list.h"
#include "test_main.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>

class LetterListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quarnel::LetterList> list;

    // A script is a list of steps: "all" selects the whole text, "end" puts the caret at the
    // end, "bs", "del", "down", "up" press those keys, "paste:T" pastes T, "set:T" sets the
    // text from the program, "pick:T" clicks item T in the dropped-down list, and any other
    // step is typed character by character.
    void run(const QStringList& script) {
        QLineEdit* edit = list->lineEdit();
        for (const QString& step : script) {
            if (step == "all") {
                edit->selectAll();
            } else if (step == "end") {
                edit->deselect();
                edit->end(false);
            } else if (step == "bs") {
                QTest::keyClick(edit, Qt::Key_Backspace);
            } else if (step == "del") {
                QTest::keyClick(edit, Qt::Key_Delete);
            } else if (step == "down") {
                QTest::keyClick(edit, Qt::Key_Down);
            } else if (step == "up") {
                QTest::keyClick(edit, Qt::Key_Up);
            } else if (step.startsWith("paste:")) {
                QApplication::clipboard()->setText(step.mid(6));
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            } else if (step.startsWith("set:")) {
                list->setEditText(step.mid(4));
            } else if (step.startsWith("pick:")) {
                list->showPopup();
                QAbstractItemView* view = list->view();
                QTRY_VERIFY(view->isVisible());
                const QModelIndex item = view->model()->index(list->findText(step.mid(5)), 0);
                view->scrollTo(item);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(item).center());
                QTRY_VERIFY(!view->isVisible());
            } else {
                QTest::keyClicks(edit, step);
            }
        }
    }

private slots:
    void init() {
        list = std::make_unique<quarnel::LetterList>();
        for (char letter = 'a'; letter <= 'w'; ++letter)
            list->addItem(QString(QChar(letter)));
        list->setCurrentIndex(-1);
        list->setEditText(QStringLiteral("Choisir une lettre"));
        list->show();
        list->activateWindow();
        list->lineEdit()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(list.get()));
    }
    void cleanup() { list.reset(); }

    void typing_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("changes");
        auto row = [](const char* name, QStringList script, const char* text, const char* current,
                      int changes) {
            QTest::newRow(name) << script << QString::fromUtf8(text) << QString::fromUtf8(current)
                                << changes;
        };
        row("letter_over_selection", {"all", "c"}, "c", "c", 1);
        row("capital_keeps_its_case", {"all", "C"}, "C", "c", 1);
        row("same_item_again_reports_nothing", {"all", "C", "all", "c"}, "c", "c", 1);
        row("other_item_reports_again", {"all", "c", "all", "d"}, "d", "d", 2);
        row("no_item_begins_with_x", {"all", "x"}, "x", "", 1);
        row("x_y_z_are_not_items", {"all", "z"}, "z", "", 1);
        row("appended_to_the_prompt", {"end", "c"}, "Choisir une lettrec", "", 1);
        row("second_character_begins_no_item", {"all", "c", "d"}, "cd", "", 2);
        row("each_plain_character_reports", {"all", "x", "yz"}, "xyz", "", 3);
        row("backspace_reports_even_when_empty", {"all", "bs", "bs"}, "", "", 2);
        row("backspace_drops_the_current_item", {"all", "c", "bs"}, "", "", 2);
        row("arrow_down_from_no_item", {"down"}, "a", "a", 1);
        row("arrow_down_twice", {"down", "down"}, "b", "b", 2);
        row("arrow_after_typing", {"all", "c", "down"}, "d", "d", 2);
        row("arrow_up_from_c", {"all", "c", "up"}, "b", "b", 2);
        row("delete_with_nothing_to_delete", {"end", "del"}, "Choisir une lettre", "", 0);
        row("delete_selection", {"all", "del"}, "", "", 1);
        row("paste", {"all", "paste:Zut"}, "Zut", "", 1);
        row("text_set_by_the_program", {"set:b"}, "b", "", 0);
        row("pick_from_the_list", {"pick:c"}, "c", "c", 1);
        row("pick_w_after_scrolling", {"pick:w"}, "w", "w", 1);
        row("pick_the_shown_item_again", {"pick:c", "pick:c"}, "c", "c", 1);
        row("pick_after_typed_capital", {"all", "C", "pick:c"}, "c", "c", 2);
    }

    void typing() {
        QFETCH(QStringList, script);
        QFETCH(QString, text);
        QFETCH(QString, current);
        QFETCH(int, changes);
        QSignalSpy changed(list.get(), &quarnel::LetterList::changed);
        run(script);
        QCOMPARE(list->lineEdit()->text(), text);
        QCOMPARE(list->currentIndex() < 0 ? QString() : list->itemText(list->currentIndex()),
                 current);
        QCOMPARE(changed.count(), changes);
        QCOMPARE(list->count(), 23); // Enter or typing never adds an item
    }

    void typing_does_not_drop_the_list_down() {
        run({"all", "c"});
        QVERIFY(!list->view()->isVisible());
    }

    void dropped_down_list_shows_eight_items() {
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const int rowHeight = view->sizeHintForRow(0);
        QCOMPARE(view->viewport()->height() / rowHeight, 8);
        QVERIFY(view->indexAt(QPoint(2, 2)).data().toString() == "a");
        QVERIFY(view->indexAt(QPoint(2, 7 * rowHeight + 2)).data().toString() == "h");
        list->hidePopup();
    }
};

QUARNEL_TEST_MAIN(LetterListTest)
#include "letter_list_test.moc"
