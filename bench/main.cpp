// quendal-bench: the program's own timings, printed side by side. Each bench
// file registers its cases with QUENDAL_BENCH; run them all, or name some:
//   build/bin/quendal-bench [case ...]

#include "BenchRegistry.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QTemporaryDir lockDir(QDir::tempPath() + QStringLiteral("/quendal-bench-lock-XXXXXX"));
    qputenv("FIREBIRD_LOCK", lockDir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList wanted = app.arguments().mid(1);
    int ran = 0;
    for (const auto& [name, fn] : Bench::registry()) {
        if (!wanted.isEmpty() && !wanted.contains(name))
            continue;
        std::printf("== %s\n", qPrintable(name));
        std::fflush(stdout);
        fn();
        ++ran;
    }
    if (ran == 0)
        std::fprintf(stderr, "no benchmark matched\n");
    return ran ? 0 : 1;
}
