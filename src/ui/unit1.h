#pragma once

#include <QMainWindow>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace quarnel {
class LetterList;
class LineSeries;
class RaisedPanel;
class SignalChart;
enum class ZoomDirection;
} // namespace quarnel

// The main window: the letter list, the code, binary and parity fields, the three buttons,
// the signal chart, two warning lines, two explanatory pictures and a menu bar of three
// commands. Every control stands at a fixed place; the window keeps its size.
class Tprogramme : public QMainWindow {
public:
    explicit Tprogramme(QWidget* parent = nullptr);

    quarnel::LetterList* liste;
    QLineEdit* resultat;
    quarnel::SignalChart* Chart1;
    QPushButton* Button1;
    quarnel::LineSeries* Series1; // the chart's only series
    QLabel* Label1;
    QLineEdit* binaire;
    QLabel* Image1;
    QLabel* Image2;
    QMenuBar* MainMenu1;
    QAction* Aide1;
    QAction* Imprimer;
    QAction* copier;
    QPushButton* zoomplus;
    QPushButton* zoommoins;
    QLineEdit* pair;
    QLabel* Label2;
    QLabel* Label3;
    quarnel::RaisedPanel* Panel2;
    QLabel* Label4;
    QLabel* Label5;

    void listeChange();
    void Button1Click();
    void Aide1Click();
    void ImprimerClick();
    void copierClick();
    void zoomplusClick();
    void zoommoinsClick();

    // State carried from one handler to the next.
    QString resultat1;          // the letter text when the list last changed
    std::int32_t resultat2 = 0; // its character code
    QString resultat4;          // the binary text the last trace was drawn from

private:
    void buildControls(QWidget* client);
    void buildMenu();
    void wireHandlers();

    // Both zoom buttons: step the time axis, then draw the zoom trace of the current code.
    void zoomBy(quarnel::ZoomDirection direction);
    // "Vous n'avez pas choisi de lettre" when no letter is chosen; otherwise a clean chart.
    void clearOrWarn();
    // Converts the code field and shows the binary text.
    void convertCode();
    template <typename Trace> void appendTrace(const Trace& trace);
};

extern Tprogramme* programme;
