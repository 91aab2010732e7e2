#pragma once

#include <QString>

class FbConnection;
namespace Firebird {
class ITransaction;
}

// A snapshot (concurrency) read-write transaction. What is not committed when
// it is destroyed is rolled back.
class FbTransaction {
public:
    explicit FbTransaction(FbConnection& db) : m_db(db) {}
    ~FbTransaction();
    FbTransaction(const FbTransaction&) = delete;
    FbTransaction& operator=(const FbTransaction&) = delete;

    void start();
    void commit();
    void rollback();
    // Rolls back and swallows errors: for ways out that already carry one.
    void rollbackQuietly() noexcept;
    bool isActive() const { return m_handle != nullptr; }
    // Runs one statement that returns no rows, in this transaction (started
    // if need be), without keeping a prepared statement.
    void execute(const QString& sql);

    FbConnection& connection() const { return m_db; }
    Firebird::ITransaction* handle() const { return m_handle; }

private:
    FbConnection& m_db;
    Firebird::ITransaction* m_handle = nullptr;
};
