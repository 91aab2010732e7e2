#pragma once

#include "FbValue.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class FbConnection;
class FbTransaction;
namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}

// One SQL statement in a transaction: a result set to step through, or a
// statement to execute. Named parameters (:NAME) are bound by name.
class FbQuery {
public:
    // Where one output column lies in the row buffer.
    struct Column {
        QString name;
        unsigned type = 0;
        int scale = 0;
        unsigned charset = 0;
        unsigned length = 0;
        unsigned offset = 0;
        unsigned nullOffset = 0;
    };

    // Works in tr, which outlives the query.
    explicit FbQuery(FbTransaction& tr);
    // Owns a transaction of its own on db.
    explicit FbQuery(FbConnection& db);
    ~FbQuery();
    FbQuery(const FbQuery&) = delete;
    FbQuery& operator=(const FbQuery&) = delete;

    FbTransaction& transaction() const { return *m_tr; }

    // A new text closes the query and forgets the prepared statement.
    void setSql(const QString& sql);
    const QString& sql() const { return m_sql; }

    // Runs the statement; for a SELECT the first row, if any, is current.
    void open();
    // Runs a statement that returns no rows (or a single row, as
    // EXECUTE PROCEDURE does).
    void execute();
    void close();
    bool isOpen() const { return m_cursor != nullptr || m_singleRow; }

    bool eof() const { return m_eof; }
    void next();

    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int i) const { return m_columns.at(i).name; }
    int fieldIndex(const QString& name) const; // -1 when there is none
    const FbValue& field(int i) const;
    const FbValue& fieldByName(const QString& name) const;
    const std::vector<FbValue>& row() const { return m_row; }

    // Parameter names in order of first appearance, upper case.
    QStringList paramNames();
    void setParam(const QString& name, const FbValue& v);
    void setParam(int index, const FbValue& v);
    void clearParams();

private:
    void prepare();
    void fetch();
    void releaseStatement() noexcept;
    std::vector<unsigned char> buildInput(Firebird::IMessageMetadata*& meta);

    std::unique_ptr<FbTransaction> m_ownTr;
    FbTransaction* m_tr;
    QString m_sql;
    QString m_prepared; // m_sql with :NAME turned into ?
    QStringList m_paramOfPlace; // the name behind each ?, or empty for a bare ?
    std::vector<FbValue> m_params; // by place
    Firebird::IStatement* m_stmt = nullptr;
    Firebird::IMessageMetadata* m_outMeta = nullptr;
    Firebird::IResultSet* m_cursor = nullptr;
    std::vector<unsigned char> m_buffer;
    std::vector<Column> m_columns;
    std::vector<FbValue> m_row;
    bool m_eof = true;
    bool m_singleRow = false;
};
