#include "letter_list.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace quarnel {

namespace {

bool typesCharacter(const QKeyEvent* key) {
    const QString text = key->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

LetterList::LetterList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours: Qt's completer would change the typed case and drop a list down.
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());

    // Qt picks an item matching the text when editing ends (Enter, leaving the list) and
    // reports it as chosen; here only typing, the arrows and the open list choose.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    // Deleting, cutting, pasting, undoing and characters that complete nothing: the text
    // changes as in any field, caret and undo history included.
    connect(lineEdit(), &QLineEdit::textEdited, this, &LetterList::reportEdit);
    // A click or Enter in the open list.
    connect(this, &QComboBox::activated, this,
            [this](int index) { choose(index, textBeforeChoice_); });
    // Installed after the list's own filters, so these run first.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void LetterList::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt)
            showPopup();
        else
            moveBy(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int page = std::max(1, maxVisibleItems() - 1);
        moveBy(event->key() == Qt::Key_PageUp ? -page : page);
        return;
    }
    case Qt::Key_F4:
        if (event->modifiers() == Qt::NoModifier) {
            showPopup();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter neither adds an item nor chooses one, and presses no button.
        return;
    case Qt::Key_Backspace:
        backspace(event);
        return;
    default:
        break;
    }
    if (typesCharacter(event) && completeTyped(event->text()))
        return;
    QComboBox::keyPressEvent(event); // hands the key to the field
}

void LetterList::inputMethodEvent(QInputMethodEvent* event) {
    // A character composed by an input method is typed like any other.
    const bool plainCommit = event->preeditString().isEmpty() && event->replacementLength() == 0 &&
                             !event->commitString().isEmpty();
    if (plainCommit && completeTyped(event->commitString())) {
        event->accept();
        return;
    }
    QComboBox::inputMethodEvent(event);
}

void LetterList::wheelEvent(QWheelEvent* event) {
    // The wheel steps through the items as the arrow keys do.
    const int delta = event->angleDelta().y();
    if (delta != 0)
        moveBy(delta > 0 ? -1 : 1);
    event->accept();
}

bool LetterList::completeTyped(const QString& typed) {
    QLineEdit* edit = lineEdit();
    QString formed = edit->text();
    const qsizetype start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    formed.replace(start, edit->selectedText().size(), typed);

    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i) {
        if (itemText(i).startsWith(formed, Qt::CaseInsensitive))
            found = i;
    }
    if (found < 0)
        return false; // entered as in any field; textEdited reports the change

    const bool itemChanged = current_ != found;
    makeCurrent(found);
    // The rest of the item follows the typed text, selected, so that typing goes on over it.
    const QString completed = formed + itemText(found).mid(formed.size());
    edit->setText(completed);
    edit->setSelection(completed.size(), formed.size() - completed.size());
    if (itemChanged)
        emit changed();
    return true;
}

void LetterList::backspace(QKeyEvent* event) {
    // Reported also when there was nothing to remove, and the current item goes either way.
    editReported_ = false;
    QComboBox::keyPressEvent(event);
    if (!editReported_)
        reportEdit();
}

void LetterList::moveBy(int rows) {
    // With no current item, either arrow starts at the first item.
    const int from = view()->isVisible() && view()->currentIndex().isValid()
                         ? view()->currentIndex().row()
                         : current_;
    moveTo(from < 0 ? 0 : from + rows);
}

void LetterList::moveTo(int row) {
    if (count() == 0)
        return;
    const int to = std::clamp(row, 0, count() - 1);
    if (to != current_)
        choose(to, lineEdit()->text());
}

void LetterList::keyInOpenList(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Home:
        moveTo(0);
        return;
    case Qt::Key_End:
        moveTo(count() - 1);
        return;
    default:
        // The field keeps taking what is typed while the list is open.
        keyPressEvent(event);
    }
}

bool LetterList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view() && watched != view()->viewport())
        return QComboBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonRelease:
        // Enter, F4, Alt+Down or a click may choose the highlighted item next.
        textBeforeChoice_ = lineEdit()->text();
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool closes = key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
                            key->key() == Qt::Key_Backtab || key->key() == Qt::Key_F4 ||
                            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                            ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
                             (key->modifiers() & Qt::AltModifier));
        if (closes)
            return false; // the list's own handling closes it
        keyInOpenList(key);
        return true;
    }
    default:
        return false;
    }
}

void LetterList::showPopup() {
    QComboBox::showPopup();
    // The field shows its text selected while the list is open, so that typing replaces it.
    lineEdit()->selectAll();
    // The open list highlights the list's own current item, or none.
    const QModelIndex item = model()->index(current_, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(item);
    if (!item.isValid())
        view()->clearSelection();
}

void LetterList::choose(int index, const QString& textBefore) {
    const bool anythingChanged = index != current_ || textBefore != itemText(index);
    makeCurrent(index);
    lineEdit()->setText(itemText(index));
    lineEdit()->selectAll();
    if (anythingChanged)
        emit changed();
}

void LetterList::reportEdit() {
    editReported_ = true;
    makeCurrent(-1);
    emit changed();
}

void LetterList::makeCurrent(int index) {
    current_ = index;
    if (index >= 0) {
        // QComboBox follows, for what reads its item (accessibility); it rewrites the text,
        // which the caller then puts right.
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
    if (view()->isVisible()) {
        const QModelIndex item = model()->index(index, modelColumn(), rootModelIndex());
        view()->setCurrentIndex(item);
        if (!item.isValid())
            view()->clearSelection();
    }
}

} // namespace quarnel
