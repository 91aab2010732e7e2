#pragma once

// main() for a QtTest program of this project: the embedded Firebird engine
// gets a lock folder of this process's own, the locale is pinned to en_US,
// and widgets run on the offscreen platform unless a display is asked for.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#define QUENDAL_TEST_MAIN(TestClass)                                              \
    int main(int argc, char** argv)                                               \
    {                                                                             \
        QTemporaryDir lockDir(QDir::tempPath() + QStringLiteral("/quendal-lock-XXXXXX")); \
        qputenv("FIREBIRD_LOCK", lockDir.path().toLocal8Bit());                   \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                       \
            qputenv("QT_QPA_PLATFORM", "offscreen");                              \
        QApplication app(argc, argv);                                             \
        app.setApplicationName(QStringLiteral("QuendalScheduler"));               \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));    \
        TestClass tc;                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                \
        return QTest::qExec(&tc, argc, argv);                                     \
    }
