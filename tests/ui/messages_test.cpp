// The application title, the information box and the exception display.
#include "application_title.h"
#include "character_code.h"
#include "error.h"
#include "message_display.h"
#include "program_fixture.h"
#include "test_main.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

class MessagesTest : public QObject {
    Q_OBJECT

private slots:
    void title_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("windows_path_several_stops") << "C:\\Prog\\RS232.Demo.EXE"
                                                    << "Rs232";
        QTest::newRow("windows_exe") << "C:\\Prog\\quarnel.exe"
                                     << "quarnel";
        QTest::newRow("unix_path") << "/usr/bin/quarnel"
                                   << "quarnel";
        QTest::newRow("first_keeps_its_case") << "/opt/QUARNEL"
                                              << "Quarnel";
        QTest::newRow("mixed_separators") << "/opt/a.b\\Demo.x"
                                          << "Demo";
        QTest::newRow("stop_in_folder_only") << "/opt/v1.2/quarnel"
                                             << "quarnel";
        QTest::newRow("accented") << "/opt/ÉCRAN.exe"
                                  << "Écran";
        QTest::newRow("starts_with_stop") << "/opt/.hidden"
                                          << "";
    }
    void title() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(quarnel::applicationTitle(path), title);
    }

    void final_full_stop_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Axis Maximum Value must be >= Minimum"
                                << "Axis Maximum Value must be >= Minimum.";
        QTest::newRow("already_a_stop") << "Fin."
                                        << "Fin.";
        QTest::newRow("comma") << "a,"
                               << "a,";
        QTest::newRow("hyphen") << "a-"
                                << "a-";
        QTest::newRow("apostrophe") << "'$G'"
                                    << "'$G'";
        QTest::newRow("parenthesis") << "(a)"
                                     << "(a)";
        QTest::newRow("exclamation") << "a!"
                                     << "a!";
        QTest::newRow("space") << "a "
                               << "a ";
        QTest::newRow("slash_is_above_the_stop") << "a/"
                                                 << "a/.";
        QTest::newRow("accented") << "entière"
                                  << "entière.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void final_full_stop() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(quarnel::withFinalFullStop(message), shown);
    }

    void information_box() {
        ProgramWindows windows;
        programme->show();
        SeenBox seen;
        bool handlerWentOn = false;
        expectBox(seen); // dismissed with Escape
        quarnel::runHandler([&] {
            quarnel::showInformation(QStringLiteral("Vous n'avez pas choisi de lettre"));
            handlerWentOn = true;
        });
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, quarnel::Application::instance()->title());
        QCOMPARE(seen.text, QStringLiteral("Vous n'avez pas choisi de lettre"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
        QVERIFY(handlerWentOn);
    }

    void information_box_ok_by_enter() {
        ProgramWindows windows;
        programme->show();
        SeenBox seen;
        expectBox(seen, [](QMessageBox* box) { QTest::keyClick(box->windowHandle(), Qt::Key_Return); });
        quarnel::showInformation(QStringLiteral("texte"));
        QVERIFY(seen.shown);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void handler_error_is_shown_and_survived() {
        ProgramWindows windows;
        programme->show();
        programme->resultat->setText(QStringLiteral("avant"));
        SeenBox seen;
        bool clickReachedWindow = false;
        programme->Button1->disconnect(programme);
        QSignalSpy envoyer(programme->Button1, &QPushButton::clicked);
        // Clicks go through the window system, where modality is enforced.
        const QPoint button =
            programme->Button1->mapTo(programme, programme->Button1->rect().center());
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        QTest::mouseClick(programme->windowHandle(), Qt::LeftButton, {}, button);
        QCOMPARE(envoyer.count(), 1); // the click itself reaches the button
        envoyer.clear();
        expectBox(seen, [&](QMessageBox* box) {
            // The box is modal: a click on the main window does nothing.
            QTest::mouseClick(programme->windowHandle(), Qt::LeftButton, {}, button);
            clickReachedWindow = envoyer.count() > 0;
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
        });
        bool afterError = false;
        quarnel::runHandler([&] {
            programme->resultat->setText(QStringLiteral("changé"));
            quarnel::HexToBinStr(u"G");
            afterError = true;
        });
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, quarnel::Application::instance()->title());
        QCOMPARE(seen.text, QStringLiteral("'$G' n'est pas une valeur entière correcte."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons.size(), 1);
        QVERIFY(!clickReachedWindow);
        QVERIFY(!afterError);
        QCOMPARE(programme->resultat->text(), QStringLiteral("changé"));
    }

    void message_with_its_own_stop_gets_no_second() {
        SeenBox seen;
        expectBox(seen);
        quarnel::runHandler([] { throw quarnel::Error(u"Déjà fini."); });
        QCOMPARE(seen.text, QStringLiteral("Déjà fini."));
    }

    void space_typed_as_code_is_named() {
        SeenBox seen;
        expectBox(seen);
        quarnel::runHandler([] { quarnel::HexToBinStr(u"6 "); });
        QCOMPARE(seen.text, QStringLiteral("'$ ' n'est pas une valeur entière correcte."));
    }
};

QUARNEL_TEST_MAIN(MessagesTest)
#include "messages_test.moc"
