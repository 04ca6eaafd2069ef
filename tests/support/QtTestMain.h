#pragma once
// Like QTEST_MAIN, but runs on the offscreen platform unless a platform was chosen,
// and pins the C locale for numbers so figures read the same on every machine.
#include <QApplication>
#include <QLocale>
#include <QtTest/QTest>

#define PECUNEX_QTEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
