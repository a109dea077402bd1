// Focus, the tab sequence, buttons pressed from the keyboard and the menu accelerators.
#include "letter_list.h"
#include "program_fixture.h"
#include "test_main.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

class KeyboardTest : public QObject {
    Q_OBJECT

    static QString focusName() {
        QWidget* focus = QApplication::focusWidget();
        // The list's inner field stands for the list.
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    }

private slots:
    void chart_has_the_focus_first_and_tab_follows_the_tab_numbers() {
        ProgramWindows windows;
        QVERIFY(windows.showActive());
        const QStringList sequence = {"Chart1", "binaire",  "Button1",   "liste",
                                      "pair",   "resultat", "zoommoins", "zoomplus"};
        QCOMPARE(focusName(), sequence.front());
        for (int step = 1; step <= sequence.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusName(), sequence[step % sequence.size()]);
        }
        for (int step = sequence.size() - 1; step >= 0; --step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(focusName(), sequence[step]);
        }
    }

    void tab_into_a_field_selects_its_text() {
        ProgramWindows windows;
        QVERIFY(windows.showActive());
        programme->pair->setText(QStringLiteral("1"));
        programme->binaire->setFocus();
        QTest::keyClick(programme->binaire, Qt::Key_Tab);          // Button1
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // liste
        QCOMPARE(programme->liste->lineEdit()->selectedText(),
                 QStringLiteral("Choisir une lettre"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // pair
        QCOMPARE(programme->pair->selectedText(), QStringLiteral("1"));
    }

    void keys_on_buttons_and_fields_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::newRow("enter_on_envoyer") << "Button1" << int(Qt::Key_Return) << 1;
        QTest::newRow("keypad_enter_on_envoyer") << "Button1" << int(Qt::Key_Enter) << 1;
        QTest::newRow("space_on_envoyer") << "Button1" << int(Qt::Key_Space) << 1;
        QTest::newRow("enter_on_zoom_plus") << "zoomplus" << int(Qt::Key_Return) << 1;
        QTest::newRow("enter_in_resultat") << "resultat" << int(Qt::Key_Return) << 0;
        QTest::newRow("enter_in_binaire") << "binaire" << int(Qt::Key_Return) << 0;
        QTest::newRow("enter_in_the_list") << "liste" << int(Qt::Key_Return) << 0;
        QTest::newRow("escape_in_pair") << "pair" << int(Qt::Key_Escape) << 0;
    }

    void keys_on_buttons_and_fields() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, presses);
        ProgramWindows windows;
        QVERIFY(windows.showActive());
        // Only whether a button is pressed matters here, not what its handler does.
        for (QPushButton* button : {programme->Button1, programme->zoomplus, programme->zoommoins})
            button->disconnect(programme);
        QSignalSpy envoyer(programme->Button1, &QPushButton::clicked);
        QSignalSpy plus(programme->zoomplus, &QPushButton::clicked);
        QSignalSpy moins(programme->zoommoins, &QPushButton::clicked);
        auto* target = programme->findChild<QWidget*>(focus);
        target->setFocus();
        QWidget* receiver = QApplication::focusWidget();
        QTest::keyClick(receiver, Qt::Key(key));
        QCOMPARE(envoyer.count() + plus.count() + moins.count(), presses);
    }

    void menu_accelerators_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("action");
        QTest::newRow("alt_a") << int(Qt::Key_A) << "Aide1";
        QTest::newRow("alt_i") << int(Qt::Key_I) << "Imprimer";
        QTest::newRow("alt_c") << int(Qt::Key_C) << "copier";
    }

    void menu_accelerators() {
        QFETCH(int, key);
        QFETCH(QString, action);
        ProgramWindows windows;
        QVERIFY(windows.showActive());
        // Only the chosen command runs.
        QList<std::pair<QAction*, QSignalSpy*>> spies;
        for (auto* command : {programme->Aide1, programme->Imprimer, programme->copier})
            spies.append({command, new QSignalSpy(command, &QAction::triggered)});
        // Printing and copying are not the point here: stop their handlers from reaching the
        // printer or the clipboard by disconnecting them.
        programme->Imprimer->disconnect(programme);
        programme->copier->disconnect(programme);
        QTest::keyClick(programme, Qt::Key(key), Qt::AltModifier);
        for (auto [command, spy] : spies) {
            QCOMPARE(spy->count(), command->objectName() == action ? 1 : 0);
            delete spy;
        }
    }
};

QUARNEL_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
