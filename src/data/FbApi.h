#pragma once

// Internal to the Firebird layer: access to the client library's master
// interface and the translation of its errors into DatabaseError.

#include <firebird/Interface.h>

#include <QString>

namespace FbApi {

Firebird::IMaster* master();
Firebird::IUtil* util();
Firebird::IProvider* provider();

// Firebird's own text for a failed status vector.
QString formatStatus(const Firebird::IStatus* status);

// A ThrowStatusWrapper that cleans up its status object.
class Status {
public:
    Status() : m_status(master()->getStatus()), m_wrapper(m_status) {}
    ~Status() { m_wrapper.dispose(); }
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;
    Firebird::ThrowStatusWrapper* operator&() { return &m_wrapper; }

private:
    Firebird::IStatus* m_status;
    Firebird::ThrowStatusWrapper m_wrapper;
};

// Runs f, turning Firebird's exceptions into DatabaseError.
template <typename F>
auto call(F&& f) -> decltype(f());

[[noreturn]] void rethrow(const Firebird::FbException& e);

template <typename F>
auto call(F&& f) -> decltype(f())
{
    try {
        return f();
    } catch (const Firebird::FbException& e) {
        rethrow(e);
    }
}

} // namespace FbApi
