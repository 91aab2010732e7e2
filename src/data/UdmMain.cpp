#include "UdmMain.h"

#include "FbError.h"

TdmMain* dmMain = nullptr;

bool TdmMain::Connect()
{
    if (m_path.isEmpty())
        throw DatabaseError(QStringLiteral("Path and/or Host not set"));
    FBDB.close();
    FBDB.setParams({QStringLiteral("sysdba"), QStringLiteral("plumtiger"), m_host, m_path});
    try {
        FBDB.open();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TdmMain::OpenQuery(const QString& sql, Query& q)
{
    q = std::make_unique<FbQuery>(FBDB);
    try {
        q->transaction().start();
        if (!sql.isEmpty()) {
            q->setSql(sql);
            q->open();
        }
    } catch (...) {
        // A failed statement's transaction is rolled back and released now.
        q.reset();
        throw;
    }
}

void TdmMain::CloseQuery(Query& q)
{
    if (!q)
        return;
    Query held = std::move(q);
    held->close();
    held->transaction().commit();
}

void TdmMain::ExecuteSQL(const QString& sql)
{
    if (m_scope) {
        m_scope->execute(sql);
        return;
    }
    FbTransaction tr(FBDB);
    tr.execute(sql);
    tr.commit();
}

TdmMain::TransactionScope::TransactionScope(TdmMain& dm)
    : m_dm(dm), m_tr(dm.FBDB), m_outer(dm.m_scope)
{
    m_tr.start();
    m_dm.m_scope = &m_tr;
}

TdmMain::TransactionScope::~TransactionScope()
{
    m_dm.m_scope = m_outer;
    m_tr.rollbackQuietly();
}

void TdmMain::TransactionScope::commit()
{
    m_tr.commit();
    m_dm.m_scope = m_outer;
}
