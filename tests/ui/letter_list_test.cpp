// Typing in the letter list, with keys and clicks taking a user's path through the window:
// completion, the current item, and when listeChange runs.
#include "letter_list.h"
#include "program_fixture.h"
#include "test_main.h"
#include "user_input.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// A script is typed text with keys in angle brackets: <bs>, <del>, <up>, <down>, <pgdn>,
// <home>, <end>, <left>, <shift+home>, <shift+left>, <alt+down>, <f4>, <esc>, <enter>, <tab>,
// <ctrl+z>, <ctrl+y>, <ctrl+x>, <ctrl+v>; <paste:T> puts T on the clipboard and presses
// Ctrl+V; <pick:T> clicks item T in the dropped-down list; <set:T> sets the text from the
// program. A key may carry a count: <left*11>.
void play(const QString& script) {
    static const QRegularExpression token(QStringLiteral("<([^>]*)>|([^<]+)"));
    static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {"bs", {Qt::Key_Backspace, {}}},     {"del", {Qt::Key_Delete, {}}},
        {"up", {Qt::Key_Up, {}}},            {"down", {Qt::Key_Down, {}}},
        {"pgdn", {Qt::Key_PageDown, {}}},    {"home", {Qt::Key_Home, {}}},
        {"end", {Qt::Key_End, {}}},          {"left", {Qt::Key_Left, {}}},
        {"esc", {Qt::Key_Escape, {}}},       {"enter", {Qt::Key_Return, {}}},
        {"tab", {Qt::Key_Tab, {}}},          {"f4", {Qt::Key_F4, {}}},
        {"shift+home", {Qt::Key_Home, Qt::ShiftModifier}},
        {"shift+left", {Qt::Key_Left, Qt::ShiftModifier}},
        {"alt+down", {Qt::Key_Down, Qt::AltModifier}},
        {"ctrl+z", {Qt::Key_Z, Qt::ControlModifier}},
        {"ctrl+y", {Qt::Key_Y, Qt::ControlModifier}},
        {"ctrl+x", {Qt::Key_X, Qt::ControlModifier}},
        {"ctrl+v", {Qt::Key_V, Qt::ControlModifier}},
    };
    for (auto it = token.globalMatch(script); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(2).isEmpty()) {
            user::type(match.captured(2));
            continue;
        }
        const QString step = match.captured(1);
        if (step.startsWith("paste:")) {
            QApplication::clipboard()->setText(step.mid(6));
            user::press(Qt::Key_V, Qt::ControlModifier);
        } else if (step.startsWith("set:")) {
            programme->liste->setEditText(step.mid(4));
        } else if (step.startsWith("pick:")) {
            quarnel::LetterList* list = programme->liste;
            if (!list->view()->isVisible())
                user::click(list, {list->width() - 5, list->height() / 2}); // the arrow button
            QAbstractItemView* view = list->view();
            QVERIFY(QTest::qWaitFor([view] { return view->isVisible(); }));
            const QModelIndex item = view->model()->index(list->findText(step.mid(5)), 0);
            view->scrollTo(item);
            user::click(view->viewport(), view->visualRect(item).center());
            QVERIFY(QTest::qWaitFor([view] { return !view->isVisible(); }));
        } else {
            const QStringList parts = step.split('*');
            const auto [key, modifiers] = keys.value(parts[0], {Qt::Key_unknown, {}});
            QVERIFY2(key != Qt::Key_unknown, qPrintable(step));
            for (int i = 0, n = parts.size() > 1 ? parts[1].toInt() : 1; i < n; ++i)
                user::press(key, modifiers);
        }
    }
}

QString currentItemText() {
    const int item = programme->liste->currentItem();
    return item < 0 ? QString() : programme->liste->itemText(item);
}

// What a field shows: its text, its caret and selection, whether Ctrl+Z has something to undo.
struct FieldState {
    QString text;
    int caret;
    QString selected;
    bool undo;
    bool operator==(const FieldState&) const = default;
};

FieldState stateOf(const QLineEdit* field) {
    return {field->text(), field->cursorPosition(), field->selectedText(),
            field->isUndoAvailable()};
}

char* toString(const FieldState& state) {
    return QTest::toString(QStringLiteral("\"%1\" caret %2 selected \"%3\" undo %4")
                               .arg(state.text)
                               .arg(state.caret)
                               .arg(state.selected)
                               .arg(state.undo));
}

} // namespace

class LetterListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramWindows> windows;

private slots:
    // As a user starts: the window active, three Tabs from the chart into the list, which
    // selects its text.
    void init() {
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->showActive());
        user::tab(3);
        QCOMPARE(QApplication::focusWidget(), programme->liste);
        QCOMPARE(programme->liste->lineEdit()->selectedText(),
                 QStringLiteral("Choisir une lettre"));
    }
    void cleanup() {
        if (programme && programme->liste->view()->isVisible())
            programme->liste->hidePopup();
        windows.reset();
    }

    void typing_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code"); // what the code field shows afterwards
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("runs"); // how often listeChange ran
        auto row = [](const char* name, const char* script, const char* text, const char* code,
                      const char* current, int runs) {
            QTest::newRow(name) << QString::fromUtf8(script) << QString::fromUtf8(text)
                                << QString::fromLatin1(code) << QString::fromLatin1(current)
                                << runs;
        };
        // Typing a letter: completed, current, reported once per change of item.
        row("letter_over_selection", "c", "c", "63", "c", 1);
        row("capital_keeps_its_case", "C", "C", "43", "c", 1);
        row("same_item_typed_over_itself", "C<shift+home>c", "c", "43", "c", 1);
        row("other_item_reports_again", "c<shift+home>d", "d", "64", "d", 2);
        row("no_item_begins_with_x", "x", "x", "78", "", 1);
        row("x_y_z_are_not_items", "z", "z", "7A", "", 1);
        row("appended_to_the_prompt", "<end>c", "Choisir une lettrec", "43", "", 1);
        row("typed_inside_the_prompt", "<end><left*11>ab", "Choisirab une lettre", "43", "", 2);
        row("second_character_begins_no_item", "cd", "cd", "63", "", 2);
        row("each_plain_character_reports", "xyz", "xyz", "78", "", 3);
        // Backspace: always reported, and the current item goes.
        row("backspace_reports_even_when_empty", "<bs><bs>", "", "", "", 2);
        row("backspace_drops_the_current_item", "c<bs>", "", "", "", 2);
        // Other editing, as in any field.
        row("delete_with_nothing_to_delete", "<end><del>", "Choisir une lettre", "", "", 0);
        row("delete_selection", "<del>", "", "", "", 1);
        row("cut_selection", "<ctrl+x>", "", "", "", 1);
        row("paste", "<paste:Zut>", "Zut", "5A", "", 1);
        row("undo_an_appended_letter", "<end>c<ctrl+z>", "Choisir une lettre", "43", "", 2);
        row("text_set_by_the_program", "<set:b>", "b", "", "", 0);
        // Enter and leaving the list choose nothing.
        row("enter_after_a_capital", "C<enter>", "C", "43", "c", 1);
        row("leaving_after_a_capital", "C<tab>", "C", "43", "c", 1);
        row("enter_after_a_word", "xc<enter>", "xc", "78", "", 2);
        // The arrows choose, the list closed.
        row("down_after_typing", "c<down>", "d", "64", "d", 2);
        row("up_after_typing", "c<up>", "b", "62", "b", 2);
        row("down_after_a_capital", "C<down>", "d", "64", "d", 2);
        row("down_from_no_item", "<down>", "a", "61", "a", 1);
        row("up_from_no_item", "<up>", "a", "61", "a", 1);
        row("down_twice", "<down><down>", "b", "62", "b", 2);
        row("down_past_the_last_item", "w<down>", "w", "77", "w", 1);
        row("up_past_the_first_item", "a<up>", "a", "61", "a", 1);
        row("page_down", "c<pgdn>", "j", "6A", "j", 2);
        row("typing_over_a_chosen_item", "c<down>x", "x", "78", "", 3);
        row("down_after_an_edit", "c<bs><down>", "a", "61", "a", 3);
        // The open list: arrows choose, Escape keeps the choice, a click chooses.
        row("down_in_the_open_list", "c<alt+down><down>", "d", "64", "d", 2);
        row("escape_keeps_the_choice", "c<alt+down><down><down><esc>", "e", "65", "e", 3);
        row("escape_without_moving", "c<f4><esc>", "c", "63", "c", 1);
        row("enter_on_the_chosen_item", "c<f4><down><enter>", "d", "64", "d", 2);
        row("end_in_the_open_list", "<f4><end>", "w", "77", "w", 1);
        row("typing_in_the_open_list", "<alt+down>e", "e", "65", "e", 1);
        row("pick_from_the_list", "<pick:c>", "c", "63", "c", 1);
        row("pick_w_after_scrolling", "<pick:w>", "w", "77", "w", 1);
        row("pick_the_shown_item_again", "<pick:c><pick:c>", "c", "63", "c", 1);
        row("pick_after_a_typed_capital", "C<pick:c>", "c", "63", "c", 2);
        row("pick_after_arrows_in_the_list", "<f4><down><down><pick:f>", "f", "66", "f", 3);
    }

    void typing() {
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(QString, current);
        QFETCH(int, runs);
        QSignalSpy changed(programme->liste, &quarnel::LetterList::changed);
        play(script);
        QCOMPARE(programme->liste->currentText(), text);
        QCOMPARE(programme->resultat->text(), code);
        QCOMPARE(currentItemText(), current);
        QCOMPARE(changed.count(), runs);
        QCOMPARE(programme->liste->count(), 23); // Enter or typing never adds an item
    }

    // Edits that complete no item leave the caret, the selection and the undo history as a
    // plain field given the same keys does.
    void editing_as_in_any_field_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("typed_inside_the_prompt") << "<end><left*11>ab";
        QTest::newRow("undo_inside_the_prompt") << "<end><left*11>ab<ctrl+z>";
        QTest::newRow("undo_and_redo") << "xy<ctrl+z><ctrl+y>";
        QTest::newRow("selection_then_typing") << "<home>xy<shift+left>z";
        QTest::newRow("backspaces") << "<end><bs><bs><left*3>";
        QTest::newRow("delete_then_undo") << "<home><del><del><ctrl+z>";
        QTest::newRow("paste_inside") << "<end><left*6><paste:petite >";
    }

    void editing_as_in_any_field() {
        QFETCH(QString, script);
        play(script);
        const FieldState list = stateOf(programme->liste->lineEdit());

        // The same keys in an ordinary field that a Tab has entered, text selected likewise.
        QWidget other;
        auto* field = new QLineEdit(QStringLiteral("Choisir une lettre"), &other);
        auto* before = new QLineEdit(&other);
        QWidget::setTabOrder(before, field);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        before->setFocus();
        user::tab(1);
        QCOMPARE(QApplication::focusWidget(), field);
        play(script);
        QCOMPARE(list, stateOf(field));
    }

    void typing_does_not_drop_the_list_down() {
        play("c");
        QVERIFY(!programme->liste->view()->isVisible());
    }

    void open_list_shows_eight_items_from_a_and_highlights_the_current_one() {
        play("C<alt+down>");
        QAbstractItemView* view = programme->liste->view();
        QVERIFY(QTest::qWaitFor([view] { return view->isVisible(); }));
        const int rowHeight = view->sizeHintForRow(0);
        QCOMPARE(view->viewport()->height() / rowHeight, 8);
        QCOMPARE(view->indexAt(QPoint(2, 2)).data().toString(), QStringLiteral("a"));
        QCOMPARE(view->indexAt(QPoint(2, 7 * rowHeight + 2)).data().toString(),
                 QStringLiteral("h"));
        QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("c"));
        QCOMPARE(view->window()->width(), programme->liste->width());
        play("<esc>");
        QVERIFY(QTest::qWaitFor([view] { return !view->isVisible(); }));
        QCOMPARE(QApplication::focusWidget(), programme->liste);
    }
};

QUARNEL_TEST_MAIN(LetterListTest)
#include "letter_list_test.moc"
