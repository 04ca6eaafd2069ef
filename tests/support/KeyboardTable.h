#pragma once
// The keys of a PC keyboard as the window system delivers them: the key, the text it types
// alone and with Shift (US layout), and whether it sits on the keypad. F1 is left out: it
// opens the help file in the desktop's viewer, before any field sees it.
#include <QApplication>
#include <QString>
#include <QWidget>
#include <QtTest/QTest>
#include <utility>
#include <vector>

struct PcKey {
    Qt::Key key;
    QString plain, shifted;
    bool keypad = false;
};

inline const std::vector<PcKey>& pcKeyboard() {
    static const std::vector<PcKey> keys = [] {
        using namespace Qt;
        std::vector<PcKey> k = {
            {Key_Escape, "\x1b", "\x1b"}, {Key_QuoteLeft, "`", "~"},    {Key_Minus, "-", "_"},
            {Key_Equal, "=", "+"},        {Key_Backspace, "\b", "\b"},  {Key_Tab, "\t", ""},
            {Key_BracketLeft, "[", "{"},  {Key_BracketRight, "]", "}"}, {Key_Backslash, "\\", "|"},
            {Key_Semicolon, ";", ":"},    {Key_Apostrophe, "'", "\""},  {Key_Return, "\r", "\r"},
            {Key_Comma, ",", "<"},        {Key_Period, ".", ">"},       {Key_Slash, "/", "?"},
            {Key_Space, " ", " "},        {Key_Delete, "\x7f", "\x7f"}};
        for (Key silent :
             {Key_F2,         Key_F3,     Key_F4,       Key_F5,   Key_F6,     Key_F7,
              Key_F8,         Key_F9,     Key_F10,      Key_F11,  Key_F12,    Key_Print,
              Key_ScrollLock, Key_Pause,  Key_CapsLock, Key_Menu, Key_Insert, Key_Home,
              Key_PageUp,     Key_End,    Key_PageDown, Key_Up,   Key_Down,   Key_Left,
              Key_Right,      Key_NumLock})
            k.push_back({silent, "", ""});
        for (auto [key, text] : {std::pair{Key_Slash, "/"},
                                 {Key_Asterisk, "*"},
                                 {Key_Minus, "-"},
                                 {Key_Plus, "+"},
                                 {Key_Enter, "\r"},
                                 {Key_Period, "."}})
            k.push_back({key, text, text, true});
        for (int d = 0; d < 10; ++d) { // the top row, Shift giving its signs, and the keypad
            k.push_back({Key(Key_0 + d), QString::number(d), QString(QChar(")!@#$%^&*("[d]))});
            k.push_back({Key(Key_0 + d), QString::number(d), QString::number(d), true});
        }
        for (char c = 'a'; c <= 'z'; ++c)
            k.push_back({Key(Key_A + (c - 'a')), QString(QChar(c)), QString(QChar(c - 32))});
        return k;
    }();
    return keys;
}

// The text the key types with `mods`: Ctrl turns letters into control characters.
inline QString keyText(const PcKey& k, Qt::KeyboardModifiers mods) {
    if ((mods & Qt::ControlModifier) && k.plain.size() == 1 && k.plain[0].isLetter())
        return QString(QChar(k.plain[0].toLatin1() & 0x1f));
    return (mods & Qt::ShiftModifier) ? k.shifted : k.plain;
}

// Presses and releases the key on the focused widget of `w`, shortcuts first, as a user's key.
inline void pressKey(QWidget* w, const PcKey& k, Qt::KeyboardModifiers mods) {
    if (k.keypad)
        mods |= Qt::KeypadModifier;
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::sendKeyEvent(QTest::Click, target, k.key, keyText(k, mods), mods);
}
