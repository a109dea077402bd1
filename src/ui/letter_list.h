#pragma once

#include <QComboBox>

namespace quarnel {

// The editable letter list. Typing completes against the items ignoring case, keeping the
// case typed; the arrow keys and the dropped-down list choose items. `changed` is emitted
// once for each change of the current item and for each edit of the text by the user, never
// for text set by the program.
//
// The list keeps its own current item: QComboBox can only forget its current item by
// rewriting the text, which would move the caret and lose the undo history of an edit.
class LetterList : public QComboBox {
    Q_OBJECT

public:
    explicit LetterList(QWidget* parent = nullptr);

    // The item the text last came from, or -1 after an edit that completed no item.
    int currentItem() const { return current_; }

    void showPopup() override;

signals:
    void changed();

protected:
    // Keys reach the combo box, which is its field's focus proxy; they are all read here.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Keys and clicks in the dropped-down list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool completeTyped(const QString& typed);
    void backspace(QKeyEvent* event);
    void moveBy(int rows);
    void moveTo(int row);
    void keyInOpenList(QKeyEvent* event);
    void choose(int index, const QString& textBefore);
    void reportEdit();
    void makeCurrent(int index);

    int current_ = -1;
    bool editReported_ = false;
    // Qt writes an item chosen in the open list into the field before it reports the
    // choice; this is the text as it stood before, to tell whether anything changed.
    QString textBeforeChoice_;
};

} // namespace quarnel
