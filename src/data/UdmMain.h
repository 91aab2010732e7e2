#pragma once

#include "FbConnection.h"
#include "FbQuery.h"
#include "FbTransaction.h"

#include <QString>
#include <memory>

// The data module: the program's single connection to the shop database and
// the query operations every window reads and writes through.
class TdmMain {
public:
    using Query = std::unique_ptr<FbQuery>;

    TdmMain() = default;
    TdmMain(const TdmMain&) = delete;
    TdmMain& operator=(const TdmMain&) = delete;

    void SetHost(const QString& host) { m_host = host; }
    void SetDatabasePath(const QString& path) { m_path = path; }
    // Applies the settings and opens FBDB; false when that fails, silently.
    // Raises "Path and/or Host not set" for an empty path.
    bool Connect();

    // A result set in a snapshot transaction of its own, started; the
    // statement is opened when the text is not empty.
    void OpenQuery(const QString& sql, Query& q);
    // Commits and releases the result set; the handle becomes empty.
    void CloseQuery(Query& q);
    // Runs one statement in a transaction of its own and commits it, or in
    // the open TransactionScope.
    void ExecuteSQL(const QString& sql);

    // Several ExecuteSQL calls that must succeed or fail together. While the
    // scope lives, ExecuteSQL joins its transaction; nothing is committed
    // until commit(), and a scope left without it rolls everything back.
    class TransactionScope {
    public:
        explicit TransactionScope(TdmMain& dm);
        ~TransactionScope();
        TransactionScope(const TransactionScope&) = delete;
        TransactionScope& operator=(const TransactionScope&) = delete;
        void commit();
        FbTransaction& transaction() { return m_tr; }

    private:
        TdmMain& m_dm;
        FbTransaction m_tr;
        FbTransaction* m_outer;
    };

    FbConnection FBDB;

private:
    QString m_host;
    QString m_path;
    FbTransaction* m_scope = nullptr;
};

// The one data module of the run, made at start-up.
extern TdmMain* dmMain;
