#pragma once
// The keys of a PC keyboard as the window system delivers them: the key, the text it types
// alone and with Shift (US layout), and whether it sits on the keypad. F1 is left out: it
// opens the help file in the desktop's viewer, before any field sees it.
#include <QApplication>
#include <QString>
#include <QWidget>
#include <QtTest/QTest>
#include <vector>

struct PcKey {
    Qt::Key key;
    const char* plain;
    const char* shifted;
    bool keypad = false;
};

inline const std::vector<PcKey>& pcKeyboard() {
    static const std::vector<PcKey> keys = [] {
        std::vector<PcKey> k = {
            {Qt::Key_Escape, "\x1b", "\x1b"},
            {Qt::Key_F2, "", ""},
            {Qt::Key_F3, "", ""},
            {Qt::Key_F4, "", ""},
            {Qt::Key_F5, "", ""},
            {Qt::Key_F6, "", ""},
            {Qt::Key_F7, "", ""},
            {Qt::Key_F8, "", ""},
            {Qt::Key_F9, "", ""},
            {Qt::Key_F10, "", ""},
            {Qt::Key_F11, "", ""},
            {Qt::Key_F12, "", ""},
            {Qt::Key_Print, "", ""},
            {Qt::Key_ScrollLock, "", ""},
            {Qt::Key_Pause, "", ""},
            {Qt::Key_QuoteLeft, "`", "~"},
            {Qt::Key_Minus, "-", "_"},
            {Qt::Key_Equal, "=", "+"},
            {Qt::Key_Backspace, "\b", "\b"},
            {Qt::Key_Tab, "\t", ""},
            {Qt::Key_BracketLeft, "[", "{"},
            {Qt::Key_BracketRight, "]", "}"},
            {Qt::Key_Backslash, "\\", "|"},
            {Qt::Key_CapsLock, "", ""},
            {Qt::Key_Semicolon, ";", ":"},
            {Qt::Key_Apostrophe, "'", "\""},
            {Qt::Key_Return, "\r", "\r"},
            {Qt::Key_Comma, ",", "<"},
            {Qt::Key_Period, ".", ">"},
            {Qt::Key_Slash, "/", "?"},
            {Qt::Key_Space, " ", " "},
            {Qt::Key_Menu, "", ""},
            {Qt::Key_Insert, "", ""},
            {Qt::Key_Home, "", ""},
            {Qt::Key_PageUp, "", ""},
            {Qt::Key_Delete, "\x7f", "\x7f"},
            {Qt::Key_End, "", ""},
            {Qt::Key_PageDown, "", ""},
            {Qt::Key_Up, "", ""},
            {Qt::Key_Down, "", ""},
            {Qt::Key_Left, "", ""},
            {Qt::Key_Right, "", ""},
            {Qt::Key_NumLock, "", ""},
            {Qt::Key_Slash, "/", "/", true},
            {Qt::Key_Asterisk, "*", "*", true},
            {Qt::Key_Minus, "-", "-", true},
            {Qt::Key_Plus, "+", "+", true},
            {Qt::Key_Enter, "\r", "\r", true},
            {Qt::Key_Period, ".", ".", true},
            // The shifted digits of the top row.
            {Qt::Key_1, "1", "!"},
            {Qt::Key_2, "2", "@"},
            {Qt::Key_3, "3", "#"},
            {Qt::Key_4, "4", "$"},
            {Qt::Key_5, "5", "%"},
            {Qt::Key_6, "6", "^"},
            {Qt::Key_7, "7", "&"},
            {Qt::Key_8, "8", "*"},
            {Qt::Key_9, "9", "("},
            {Qt::Key_0, "0", ")"},
        };
        static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int d = 0; d < 10; ++d)
            k.push_back({Qt::Key(Qt::Key_0 + d), digits[d], digits[d], true});
        static char letters[26][2][2];
        for (int c = 0; c < 26; ++c) {
            letters[c][0][0] = char('a' + c), letters[c][1][0] = char('A' + c);
            k.push_back({Qt::Key(Qt::Key_A + c), letters[c][0], letters[c][1]});
        }
        return k;
    }();
    return keys;
}

// The text the key types with `mods`: Ctrl turns letters into control characters.
inline QString keyText(const PcKey& k, Qt::KeyboardModifiers mods) {
    const QString plain = QString::fromLatin1(k.plain);
    if ((mods & Qt::ControlModifier) && plain.size() == 1 && plain[0].isLetter())
        return QString(QChar(plain[0].toLatin1() & 0x1f));
    return QString::fromLatin1((mods & Qt::ShiftModifier) ? k.shifted : k.plain);
}

// Presses and releases the key on the focused widget of `w`, shortcuts first, as a user's key.
inline void pressKey(QWidget* w, const PcKey& k, Qt::KeyboardModifiers mods) {
    if (k.keypad)
        mods |= Qt::KeypadModifier;
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::sendKeyEvent(QTest::Click, target, k.key, keyText(k, mods), mods);
}
