#pragma once

#include <QString>

namespace Firebird {
class IAttachment;
}

// One attachment to a shop database: by path alone (embedded engine or the
// local server) or as host:path over TCP/IP.
class FbConnection {
public:
    struct Params {
        QString userName;
        QString password;
        QString server; // empty: this computer
        QString path;
        bool operator==(const Params&) const = default;
    };

    FbConnection() = default;
    ~FbConnection();
    FbConnection(const FbConnection&) = delete;
    FbConnection& operator=(const FbConnection&) = delete;

    void setParams(const Params& p);
    const Params& params() const { return m_params; }
    bool paramsApplied() const { return m_paramsApplied; }
    // "host:path" when a server is set, the path alone otherwise.
    QString address() const { return addressOf(m_params); }
    static QString addressOf(const Params& p);

    void open();
    void close() noexcept;
    bool isOpen() const { return m_attachment != nullptr; }
    // Statements on a closed connection try once to open it with the applied
    // parameters; the database's error reaches the caller if that fails.
    void ensureOpen();

    Firebird::IAttachment* attachment() const { return m_attachment; }

    // A new, empty database (UTF8) at p's address; left detached.
    static void createDatabase(const Params& p);
    // Drops the database this connection is attached to.
    void dropDatabase();

private:
    Params m_params;
    bool m_paramsApplied = false;
    Firebird::IAttachment* m_attachment = nullptr;
};
