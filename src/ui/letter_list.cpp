#include "letter_list.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace quarnel {

LetterList::LetterList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours: Qt's completer would change the typed case and drop a list down.
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->installEventFilter(this);

    connect(this, &QComboBox::activated, this, &LetterList::chooseItem);
    // Deleting, cutting and pasting: the text changes as in any field.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        setCurrentItemQuietly(-1);
        emit changed();
    });
}

bool LetterList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lineEdit() || event->type() != QEvent::KeyPress)
        return QComboBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
        backspace();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter neither adds an item nor selects one, and presses no button.
        return true;
    default:
        break;
    }
    const QString text = key->text();
    const bool printable = !text.isEmpty() && text.front().isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable)
        return typeCharacter(text);
    textBeforeChoice_ = lineEdit()->text(); // the arrow keys choose items
    return QComboBox::eventFilter(watched, event);
}

bool LetterList::typeCharacter(const QString& character) {
    QLineEdit* edit = lineEdit();
    QString formed = edit->text();
    if (edit->hasSelectedText())
        formed.replace(edit->selectionStart(), edit->selectedText().size(), character);
    else
        formed.insert(edit->cursorPosition(), character);

    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i) {
        if (itemText(i).startsWith(formed, Qt::CaseInsensitive))
            found = i;
    }
    if (found < 0)
        return false; // entered as in any field; textEdited reports the change

    const bool itemChanged = shownItem_ != found;
    setCurrentItemQuietly(found);
    // The rest of the item follows the typed text, selected, so that typing goes on over it.
    const QString completed = formed + itemText(found).mid(formed.size());
    edit->setText(completed);
    edit->setSelection(completed.size(), formed.size() - completed.size());
    if (itemChanged)
        emit changed();
    return true;
}

void LetterList::backspace() {
    QLineEdit* edit = lineEdit();
    {
        // Reported once below, also when there was nothing to remove.
        const QSignalBlocker quiet(edit);
        edit->backspace();
    }
    setCurrentItemQuietly(-1);
    emit changed();
}

void LetterList::showPopup() {
    textBeforeChoice_ = lineEdit()->text();
    QComboBox::showPopup();
}

void LetterList::chooseItem(int index) {
    const bool changedItem = index != shownItem_ || textBeforeChoice_ != itemText(index);
    setCurrentItemQuietly(index);
    lineEdit()->setText(itemText(index));
    if (changedItem)
        emit changed();
}

void LetterList::setCurrentItemQuietly(int index) {
    shownItem_ = index;
    const QSignalBlocker quiet(this);
    const QString text = lineEdit()->text();
    setCurrentIndex(index);
    // QComboBox writes the item's text into the field; the typed case must stay.
    lineEdit()->setText(text);
}

} // namespace quarnel
