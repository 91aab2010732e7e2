#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <map>

namespace Bench {

inline std::map<QString, std::function<void()>>& registry()
{
    static std::map<QString, std::function<void()>> r;
    return r;
}

struct Registrar {
    Registrar(const char* name, std::function<void()> fn) { registry()[QString::fromUtf8(name)] = std::move(fn); }
};

// Milliseconds taken by f, best of n runs.
template <typename F>
double bestMs(int n, F&& f)
{
    double best = 1e300;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace Bench

#define QUENDAL_BENCH_CAT2(a, b) a##b
#define QUENDAL_BENCH_CAT(a, b) QUENDAL_BENCH_CAT2(a, b)
#define QUENDAL_BENCH(name) \
    static void QUENDAL_BENCH_CAT(bench_, __LINE__)(); \
    static Bench::Registrar QUENDAL_BENCH_CAT(benchReg_, __LINE__)(name, &QUENDAL_BENCH_CAT(bench_, __LINE__)); \
    static void QUENDAL_BENCH_CAT(bench_, __LINE__)()
