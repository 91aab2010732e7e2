#pragma once

#include "UdmMain.h"

// A result set of dmMain, released through CloseQuery on every way out: on
// the normal way by close(), whose errors reach the caller; when an error is
// already on its way out, quietly by the handle's own rollback.
class ScopedQuery {
public:
    ScopedQuery() = default;
    explicit ScopedQuery(const QString& sql) { dmMain->OpenQuery(sql, m_q); }
    ~ScopedQuery()
    {
        if (m_q && dmMain) {
            try {
                dmMain->CloseQuery(m_q);
            } catch (...) {
            }
        }
    }
    ScopedQuery(const ScopedQuery&) = delete;
    ScopedQuery& operator=(const ScopedQuery&) = delete;

    void close() { dmMain->CloseQuery(m_q); }
    FbQuery* operator->() const { return m_q.get(); }
    FbQuery& operator*() const { return *m_q; }

private:
    TdmMain::Query m_q;
};
