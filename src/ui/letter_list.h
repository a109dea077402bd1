#pragma once

#include <QComboBox>

namespace quarnel {

// The editable letter list. Typing completes against the items ignoring case, keeping the
// case typed; `changed` is emitted once for each change of the current item and for each
// edit of the text by the user, never for text set by the program.
class LetterList : public QComboBox {
    Q_OBJECT

public:
    explicit LetterList(QWidget* parent = nullptr);

    void showPopup() override;

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typeCharacter(const QString& character);
    void backspace();
    void chooseItem(int index);
    void setCurrentItemQuietly(int index);

    int shownItem_ = -1; // the item the text last came from, or -1
    // QComboBox writes the chosen item into the field before it reports the choice; this is
    // the text as it stood before, to tell whether choosing changed anything.
    QString textBeforeChoice_;
};

} // namespace quarnel
