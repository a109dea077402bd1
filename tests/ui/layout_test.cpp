// The main window's controls: kind, parent, place, size and text.
#include "letter_list.h"
#include "program_fixture.h"
#include "raised_panel.h"
#include "test_main.h"

#include <QLabel>
#include <QtMath>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const QString window = QStringLiteral("client");
        const QString panel = QStringLiteral("Panel2");
        auto row = [](const char* name, const char* kind, const QString& parent, QRect geometry,
                      const QString& text = {}) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << parent
                                << geometry << text;
        };
        row("Image1", "QLabel", window, {25, 438, 616, 166});
        row("Image2", "QLabel", window, {0, 618, 648, 90});
        row("Label4", "QLabel", window, {136, 360, 375, 24},
            QStringLiteral("Attention le début de la trame et à droite "));
        row("Label5", "QLabel", window, {120, 390, 416, 24},
            QStringLiteral("Car le signal circule de la gauche vers la droite"));
        row("Chart1", "", window, {0, 90, 657, 250});
        row("Panel2", "quarnel::RaisedPanel", window, {18, 0, 623, 80});
        row("Label1", "QLabel", panel, {192, 21, 133, 13},
            QStringLiteral("Code ASCII en hexadécimal"));
        row("Label2", "QLabel", panel, {192, 43, 65, 13}, QStringLiteral("Valeur binaire"));
        row("Label3", "QLabel", panel, {442, 40, 28, 13}, QStringLiteral("Parité"));
        row("binaire", "QLineEdit", panel, {283, 40, 153, 21}, QString());
        row("Button1", "QPushButton", panel, {518, 9, 75, 25}, QStringLiteral("Envoyer"));
        row("liste", "quarnel::LetterList", panel, {9, 11, 161, 21},
            QStringLiteral("Choisir une lettre"));
        row("pair", "QLineEdit", panel, {496, 40, 121, 21}, QString());
        row("resultat", "QLineEdit", panel, {346, 13, 121, 21}, QString());
        row("zoommoins", "QPushButton", panel, {95, 38, 75, 25}, QStringLiteral("Zoom -"));
        row("zoomplus", "QPushButton", panel, {9, 38, 75, 25}, QStringLiteral("Zoom +"));
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        ProgramWindows windows;
        auto* control = programme->findChild<QWidget*>(name);
        QVERIFY(control);
        if (!kind.isEmpty())
            QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QVERIFY2(!control->accessibleName().isEmpty() || qobject_cast<QLabel*>(control) ||
                     control == static_cast<QWidget*>(programme->Panel2),
                 "a control a user can reach has an accessible name");

        if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
            // A label takes the size of its text in its font: its corner is fixed, its size
            // is the font's, close to the one the layout was drawn with (Wine's Tahoma runs
            // up to 6 pixels narrower and 3 lower than the layout's).
            QCOMPARE(label->pos(), geometry.topLeft());
            QVERIFY2(qAbs(label->width() - geometry.width()) <= 6,
                     qPrintable(QStringLiteral("width %1").arg(label->width())));
            QVERIFY2(qAbs(label->height() - geometry.height()) <= 3,
                     qPrintable(QStringLiteral("height %1").arg(label->height())));
            QCOMPARE(label->text(), text);
            return;
        }
        QCOMPARE(control->geometry(), geometry);
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(field->text(), text);
            QCOMPARE(field->maxLength(), std::numeric_limits<int>::max());
            QVERIFY(!field->isReadOnly());
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault());
        }
        if (auto* list = qobject_cast<QComboBox*>(control))
            QCOMPARE(list->currentText(), text);
    }

    void trailing_space_counts_in_label4s_width() {
        ProgramWindows windows;
        // The text's advance without its last space, and the space's, in the label's font:
        // the label is as wide as both, whole pixels rounded up.
        const QLabel* label = programme->Label4;
        const QFontMetricsF metrics(label->font());
        const QString withoutSpace = label->text().chopped(1);
        QVERIFY(label->text().endsWith(u' '));
        QCOMPARE(label->width(), qCeil(metrics.horizontalAdvance(withoutSpace) +
                                       metrics.horizontalAdvance(u' ')));
    }

    void pictures_are_the_program_pictures() {
        ProgramWindows windows;
        for (QLabel* picture : {programme->Image1, programme->Image2}) {
            QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
            QCOMPARE(picture->size(), picture->pixmap().size());
        }
    }

    void window_fonts_and_colours() {
        ProgramWindows windows;
        QCOMPARE(programme->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(programme->font()).family(), QStringLiteral("Tahoma"));
        QCOMPARE(programme->font().pixelSize(), 11);
        QCOMPARE(programme->Label4->font().pixelSize(), 20);
        QCOMPARE(programme->Label4->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(programme->centralWidget()->palette().color(QPalette::Window),
                 QColor(255, 251, 240));
        // The menu bar and the message boxes keep the desktop's fonts.
        QCOMPARE(programme->MainMenu1->font(), QApplication::font("QMenuBar"));
        QVERIFY(QApplication::font("QMenuBar").family() != QStringLiteral("Tahoma"));
        QVERIFY(QApplication::font("QMessageBox").family() != QStringLiteral("Tahoma"));
        QCOMPARE(programme->windowTitle(),
                 QStringLiteral("Simulateur liaison série (RS232), réalisé par Ostrevane"));
    }

    void letter_list_items() {
        ProgramWindows windows;
        quarnel::LetterList* list = programme->liste;
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items.join(QString()), QStringLiteral("abcdefghijklmnopqrstuvw"));
        QCOMPARE(list->currentItem(), -1);
        QCOMPARE(list->maxVisibleItems(), 8);
        QVERIFY(list->isEditable());
    }

    void menu_bar_commands_stand_on_the_bar() {
        ProgramWindows windows;
        QStringList captions;
        for (QAction* action : programme->MainMenu1->actions()) {
            QVERIFY(!action->menu());
            QVERIFY(action->shortcut().isEmpty());
            captions << action->text();
        }
        QCOMPARE(captions, (QStringList{QStringLiteral("&Aide"), QStringLiteral("&Imprimer courbe"),
                                        QStringLiteral("&Copier dans presse papier")}));
    }

    void client_area_is_fixed() {
        ProgramWindows windows;
        programme->show();
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        QCOMPARE(programme->centralWidget()->size(), QSize(657, 708));
        QCOMPARE(programme->centralWidget()->pos().x(), 0);
        QCOMPARE(programme->minimumSize(), programme->maximumSize());
        programme->resize(900, 900);
        QCOMPARE(programme->centralWidget()->size(), QSize(657, 708));
    }
};

QUARNEL_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
