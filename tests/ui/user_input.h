#pragma once

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Input as the window system delivers it. Keys go to a window, which hands them to the widget
// that has the focus, so they take the same path as a user's: a combo box gets them before
// its inner field. An open drop-down list holds the keyboard, as it does on the desktop.
namespace user {

inline QWindow* keyboardWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->windowHandle();
    // After a modal box closes, the window system gives the keyboard back a moment later.
    (void)QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; }, 2000);
    return QGuiApplication::focusWindow();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(keyboardWindow(), key, modifiers);
}

// Each character in one key event, a surrogate pair whole, as a keyboard or an input method
// delivers it.
inline void type(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        // Qt's key codes for Latin characters are their capitals' code points.
        const int code = length == 1 ? int(character[0].toUpper().unicode()) : int(Qt::Key_unknown);
        const Qt::KeyboardModifiers shift =
            character[0].isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::simulateEvent(keyboardWindow(), true, code, shift, character, false);
        QTest::simulateEvent(keyboardWindow(), false, code, shift, character, false);
        i += length;
    }
}

// Moves the keyboard focus from the window's first control along the tab sequence, as a user
// who presses Tab that many times.
inline void tab(int times) {
    for (int i = 0; i < times; ++i)
        press(Qt::Key_Tab);
}

// A click at a point of a widget, through the window it stands in. A click makes its window
// the active one, as the desktop does (the offscreen platform does not).
inline void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* top = widget->window();
    if (!top->isActiveWindow() && top->windowType() != Qt::Popup) {
        top->activateWindow();
        (void)QTest::qWaitForWindowActive(top);
    }
    QTest::mouseClick(top->windowHandle(), button, Qt::NoModifier, widget->mapTo(top, at));
}

inline void click(QWidget* widget) {
    click(widget, widget->rect().center());
}

// Clicks into a field (or the letter list's text) and selects all of its text with Ctrl+A.
inline void selectAllIn(QWidget* field) {
    click(field, {20, field->height() / 2});
    press(Qt::Key_A, Qt::ControlModifier);
}

// Types over the whole text of a field.
inline void typeInto(QWidget* field, const QString& text) {
    selectAllIn(field);
    type(text);
}

// Pastes over the whole text of a field with Ctrl+V.
inline void pasteInto(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    selectAllIn(field);
    press(Qt::Key_V, Qt::ControlModifier);
}

} // namespace user
