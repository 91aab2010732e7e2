#pragma once

#include "data/UdmMain.h"

#include <QString>

// A result set of dmMain that is released through CloseQuery on every way
// out. close() releases it at once and lets an error of the release through;
// the destructor releases quietly, since it may run while an error passes.
class ScopedQuery {
public:
    ScopedQuery() = default;
    explicit ScopedQuery(const QString& sql) { dmMain->OpenQuery(sql, m_q); }
    ~ScopedQuery()
    {
        try {
            close();
        } catch (...) {
        }
    }
    ScopedQuery(const ScopedQuery&) = delete;
    ScopedQuery& operator=(const ScopedQuery&) = delete;

    void open(const QString& sql) { dmMain->OpenQuery(sql, m_q); }
    void close()
    {
        if (m_q)
            dmMain->CloseQuery(m_q);
    }

    FbQuery* operator->() const { return m_q.get(); }
    FbQuery& operator*() const { return *m_q; }
    TdmMain::Query& handle() { return m_q; }
    explicit operator bool() const { return bool(m_q); }

private:
    TdmMain::Query m_q;
};
