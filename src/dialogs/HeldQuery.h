#pragma once

#include "data/UdmMain.h"

// A result set of dmMain, opened at once and released on every way out:
// by close() on the normal way, by the destructor when an error passes.
class HeldQuery {
public:
    explicit HeldQuery(const QString& sql) { dmMain->OpenQuery(sql, m_q); }
    ~HeldQuery()
    {
        if (!m_q)
            return;
        try {
            dmMain->CloseQuery(m_q);
        } catch (...) {
            // Another error is already on its way out; the handle's own
            // release rolls back what is left.
        }
    }
    HeldQuery(const HeldQuery&) = delete;
    HeldQuery& operator=(const HeldQuery&) = delete;

    void close() { dmMain->CloseQuery(m_q); }
    bool isOpen() const { return m_q != nullptr; }
    FbQuery* operator->() const { return m_q.get(); }

private:
    TdmMain::Query m_q;
};
