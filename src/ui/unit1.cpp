#include "unit1.h"

#include "character_code.h"
#include "ficheaide.h"
#include "frame_description.h"
#include "frame_trace.h"
#include "letter_list.h"
#include "message_display.h"
#include "parity.h"
#include "picture_files.h"
#include "raised_panel.h"
#include "resource_paths.h"
#include "signal_chart.h"
#include "window_fonts.h"
#include "zoom.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <limits>

Tprogramme* programme = nullptr;

namespace {

const QColor kCream(255, 251, 240);
const QColor kWarningRed(255, 0, 0);

// A label takes the size of its text; only its top-left corner is placed.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

QLineEdit* makeField(QWidget* parent, const char* name, const QString& accessibleName,
                     QRect geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(accessibleName);
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setGeometry(geometry);
    return field;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setGeometry(geometry);
    // Enter presses the button that has the focus; no button is the window's default.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

QLabel* makePicture(QWidget* parent, const char* name, const QString& accessibleName,
                    const char* resource, QRect geometry) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setAccessibleName(accessibleName);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap pixmap = QPixmap::fromImage(quarnel::resources::readPicture(resource));
    picture->setPixmap(pixmap);
    picture->setGeometry(pixmap.isNull() ? geometry : QRect(geometry.topLeft(), pixmap.size()));
    return picture;
}

} // namespace

Tprogramme::Tprogramme(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("programme"));
    setWindowTitle(QStringLiteral("Simulateur liaison série (RS232), réalisé par Ostrevane"));
    setFont(quarnel::tahoma(11));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(657, 708);
    client->setAutoFillBackground(true);
    QPalette cream = client->palette();
    cream.setColor(QPalette::Window, kCream);
    client->setPalette(cream);
    setCentralWidget(client);

    buildControls(client);
    buildMenu();
    wireHandlers();

    // The window fits its controls and keeps that size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Chart1->setFocus();
}

void Tprogramme::buildControls(QWidget* client) {
    Image1 = makePicture(client, "Image1", QStringLiteral("Trame d'une liaison série"),
                         quarnel::resources::framePicture, {25, 438, 616, 166});
    Image2 = makePicture(client, "Image2", QStringLiteral("Niveaux de tension de la ligne"),
                         quarnel::resources::voltagesPicture, {0, 618, 648, 90});

    const QFont large = quarnel::tahoma(20);
    Label4 = makeLabel(client, "Label4",
                       QStringLiteral("Attention le début de la trame et à droite "), {136, 360});
    Label5 =
        makeLabel(client, "Label5",
                  QStringLiteral("Car le signal circule de la gauche vers la droite"), {120, 390});
    for (QLabel* warning : {Label4, Label5}) {
        warning->setFont(large);
        QPalette red = warning->palette();
        red.setColor(QPalette::WindowText, kWarningRed);
        warning->setPalette(red);
        warning->adjustSize();
    }

    Chart1 = new quarnel::SignalChart(client);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->move(0, 90);
    Series1 = &Chart1->Series1();

    Panel2 = new quarnel::RaisedPanel(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(18, 0, 623, 80);

    Label1 = makeLabel(Panel2, "Label1", QStringLiteral("Code ASCII en hexadécimal"), {192, 21});
    Label2 = makeLabel(Panel2, "Label2", QStringLiteral("Valeur binaire"), {192, 43});
    Label3 = makeLabel(Panel2, "Label3", QStringLiteral("Parité"), {442, 40});
    binaire = makeField(Panel2, "binaire", Label2->text(), {283, 40, 153, 21});
    Button1 = makeButton(Panel2, "Button1", QStringLiteral("Envoyer"), {518, 9, 75, 25});

    liste = new quarnel::LetterList(Panel2);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setAccessibleName(QStringLiteral("Lettre"));
    for (char16_t letter = u'a'; letter <= u'w'; ++letter)
        liste->addItem(QString(QChar(letter)));
    liste->setCurrentIndex(-1);
    liste->setEditText(QStringLiteral("Choisir une lettre"));
    liste->setGeometry(9, 11, 161, 21);

    pair = makeField(Panel2, "pair", Label3->text(), {496, 40, 121, 21});
    resultat = makeField(Panel2, "resultat", Label1->text(), {346, 13, 121, 21});
    zoommoins = makeButton(Panel2, "zoommoins", QStringLiteral("Zoom -"), {95, 38, 75, 25});
    zoomplus = makeButton(Panel2, "zoomplus", QStringLiteral("Zoom +"), {9, 38, 75, 25});

    // The tab sequence follows the controls' tab numbers, not their places on the screen.
    QWidget::setTabOrder(Chart1, binaire);
    QWidget::setTabOrder(binaire, Button1);
    QWidget::setTabOrder(Button1, liste);
    QWidget::setTabOrder(liste, pair);
    QWidget::setTabOrder(pair, resultat);
    QWidget::setTabOrder(resultat, zoommoins);
    QWidget::setTabOrder(zoommoins, zoomplus);
}

void Tprogramme::buildMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // The menu bar is drawn in the desktop's menu font, not in the window's.
    MainMenu1->setFont(QApplication::font(MainMenu1));
    setMenuBar(MainMenu1);
    // The commands stand on the menu bar itself; "&" gives Alt+A, Alt+I and Alt+C.
    Aide1 = MainMenu1->addAction(QStringLiteral("&Aide"));
    Aide1->setObjectName(QStringLiteral("Aide1"));
    Imprimer = MainMenu1->addAction(QStringLiteral("&Imprimer courbe"));
    Imprimer->setObjectName(QStringLiteral("Imprimer"));
    copier = MainMenu1->addAction(QStringLiteral("&Copier dans presse papier"));
    copier->setObjectName(QStringLiteral("copier"));
}

void Tprogramme::wireHandlers() {
    // Every handler runs through the guard, which shows any error it raises.
    auto guarded = [this](void (Tprogramme::*handler)()) {
        return [this, handler] { quarnel::runHandler([this, handler] { (this->*handler)(); }); };
    };
    connect(liste, &quarnel::LetterList::changed, this, guarded(&Tprogramme::listeChange));
    connect(Button1, &QPushButton::clicked, this, guarded(&Tprogramme::Button1Click));
    connect(zoomplus, &QPushButton::clicked, this, guarded(&Tprogramme::zoomplusClick));
    connect(zoommoins, &QPushButton::clicked, this, guarded(&Tprogramme::zoommoinsClick));
    connect(Aide1, &QAction::triggered, this, guarded(&Tprogramme::Aide1Click));
    connect(Imprimer, &QAction::triggered, this, guarded(&Tprogramme::ImprimerClick));
    connect(copier, &QAction::triggered, this, guarded(&Tprogramme::copierClick));
}

namespace {

QString fromU16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}
std::u16string toU16(const QString& text) {
    return text.toStdU16String();
}

const QColor kTraceBlue(0, 0, 255);

} // namespace

void Tprogramme::listeChange() {
    resultat1 = liste->currentText();
    // An emptied list text has no code: the code field is emptied with it.
    const auto code = quarnel::characterCode(toU16(resultat1));
    resultat2 = code.value_or(0);
    resultat->setText(code ? fromU16(quarnel::hexText(*code)) : QString());
}

void Tprogramme::Button1Click() {
    clearOrWarn();
    convertCode();
    const auto parity = quarnel::parite(toU16(binaire->text()));
    pair->setText(parity ? QString::number(*parity) : QString());
    resultat4 = binaire->text();
    if (resultat4.isEmpty())
        return; // an empty code field has no frame to draw
    Series1->SetLinePenColor(kTraceBlue);
    appendTrace(quarnel::sendTrace(toU16(resultat4)));
}

void Tprogramme::zoomplusClick() {
    zoomBy(quarnel::ZoomDirection::In);
}

void Tprogramme::zoommoinsClick() {
    zoomBy(quarnel::ZoomDirection::Out);
}

void Tprogramme::zoomBy(quarnel::ZoomDirection direction) {
    quarnel::ChartAxis& time = Chart1->BottomAxis();
    time.SetMaximum(quarnel::zoomedMaximum(time.Maximum(), direction));
    clearOrWarn();
    convertCode();
    resultat4 = binaire->text();
    appendTrace(quarnel::zoomTrace(toU16(resultat4)));
}

void Tprogramme::clearOrWarn() {
    if (resultat1.isEmpty())
        quarnel::showInformation(QStringLiteral("Vous n'avez pas choisi de lettre"));
    else
        Series1->Clear();
}

void Tprogramme::convertCode() {
    binaire->setText(fromU16(quarnel::HexToBinStr(toU16(resultat->text()))));
}

template <typename Trace> void Tprogramme::appendTrace(const Trace& trace) {
    if (!trace)
        return;
    for (const quarnel::TracePoint& point : *trace)
        Series1->AddXY(point.x, point.y);
    Chart1->setAccessibleDescription(fromU16(quarnel::frameDescription(toU16(resultat4))));
}

void Tprogramme::Aide1Click() {
    aide->Show();
}

void Tprogramme::ImprimerClick() {
    Chart1->Print();
}

void Tprogramme::copierClick() {
    Chart1->CopyToClipboardBitmap();
}
