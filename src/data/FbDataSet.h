#pragma once

#include "FbValue.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class FbQuery;
class FbTransaction;

// An editable record set over one SELECT, with the INSERT, UPDATE and DELETE
// texts that write its rows back, all in a transaction the owner keeps.
//
// The rows are read into memory when the set opens, so moving about costs no
// round trip. The writing texts take named parameters: :FIELD for a field's
// current value, :OLD_FIELD for its value as read, and :DB_KEY for the row
// key RDB$DB_KEY, which the set then reads alongside the stored select.
//
// The at-beginning flag is set by first(), by a failed step back and when the
// set is empty; the at-end flag by last(), by a failed step on and when the
// set is empty. Every other move clears both.
class FbDataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    // Declared fields convert what is assigned to them; a field the select
    // brings without a declaration keeps whatever value it is given.
    enum class Kind { Any, Integer, SmallInt, String };
    struct FieldDef {
        QString name;
        Kind kind = Kind::Any;
        int size = 0; // strings: the longest text, 0 for no limit
        bool required = false;
    };

    using Bookmark = quint64; // 0 is no record

    explicit FbDataSet(FbTransaction& tr, QObject* parent = nullptr);
    ~FbDataSet() override;

    // The statement texts as stored, line by line.
    void setSelectSql(const QStringList& lines);
    void setInsertSql(const QStringList& lines);
    void setUpdateSql(const QStringList& lines);
    void setDeleteSql(const QStringList& lines);
    // The stored texts, lines joined with line breaks.
    QString selectSql() const { return m_selectSql; }
    QString insertSql() const { return m_insertSql; }
    QString updateSql() const { return m_updateSql; }
    QString deleteSql() const { return m_deleteSql; }

    // Before open().
    void addField(const QString& name, Kind kind, int size = 0, bool required = false);

    FbTransaction& transaction() const { return m_tr; }

    void open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool modified() const { return m_modified; }

    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_records.empty(); }
    int recordCount() const { return int(m_records.size()); }
    // Index of the current record from 0; -1 when there is none.
    int recNo() const { return m_cur; }

    void first();
    void prior();
    void next();
    void last();
    // Moves to the first record whose field equals value; false, and no
    // move, when there is none.
    bool locate(const QString& field, const FbValue& value);

    // A new record before the current one.
    void insert();
    // Starting an edit while editing or inserting changes nothing; on an
    // empty set it inserts.
    void edit();
    void post();
    void cancel();
    // Inserting: the same as cancel().
    void deleteRecord();
    // Reads the rows again in the same transaction, staying on the same row
    // where it still exists.
    void refresh();
    // Posts a changed record and cancels an unchanged edit.
    void checkBrowseMode();

    Bookmark bookmark() const;
    bool bookmarkValid(Bookmark b) const;
    void gotoBookmark(Bookmark b);

    QStringList fieldNames() const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    const FieldDef& fieldDef(const QString& name) const;
    // The current record's value; null when there is no current record.
    FbValue fieldValue(const QString& name) const;
    // The value as read, before this edit.
    FbValue oldFieldValue(const QString& name) const;
    // Only while editing or inserting.
    void setFieldValue(const QString& name, const FbValue& value);

    // Hooks, run after the event; what they raise reaches the caller.
    std::function<void()> afterInsert;
    std::function<void()> afterScroll;
    // A database error of reading, posting or deleting; clearing raise drops
    // it, leaving the set as it was before the failed call.
    std::function<void(const std::exception& error, bool& raise)> onError;

signals:
    void stateChanged();
    // The current record is another one, or all of it changed.
    void dataChanged();
    void fieldChanged(const QString& name);

private:
    struct Record {
        Bookmark id = 0;
        QByteArray dbKey;
        std::vector<FbValue> values;
    };

    int fieldIndex(const QString& name) const;
    int requireField(const QString& name) const;
    void requireActive() const;
    bool needsRowKey() const;
    QString selectWithRowKey() const;
    FbValue converted(const FieldDef& def, const FbValue& v) const;
    void readRows();
    void execWrite(std::unique_ptr<FbQuery>& q, const QString& sql, const std::vector<FbValue>& current,
                   const Record& stored, QByteArray* returnedKey);
    void dropEdit();
    // Leaves an edit as checkBrowseMode() does, without the scroll hook;
    // true when an unchanged insert was dropped.
    bool leaveEditQuietly();
    // Clamped into the set; both flags set only when it is empty.
    void setPosition(int index);
    void scrolled();
    // false when the hook dropped the error
    template <typename F>
    bool underErrorHook(F&& f);

    FbTransaction& m_tr;
    QString m_selectSql, m_insertSql, m_updateSql, m_deleteSql;
    std::vector<FieldDef> m_declared;
    std::vector<FieldDef> m_fields; // in the select's column order
    std::vector<Record> m_records;
    std::vector<FbValue> m_editValues;
    std::unique_ptr<FbQuery> m_selectQuery, m_insertQuery, m_updateQuery, m_deleteQuery;
    State m_state = State::Inactive;
    int m_cur = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    Bookmark m_nextId = 1;
};

// What the data-bound controls are linked to: relays the set's changes, so
// that a control can be bound before the set exists or changes sets.
class FbDataSource : public QObject {
    Q_OBJECT
public:
    explicit FbDataSource(QObject* parent = nullptr) : QObject(parent) {}
    void setDataSet(FbDataSet* ds);
    FbDataSet* dataSet() const { return m_ds; }

signals:
    void stateChanged();
    void dataChanged();
    void fieldChanged(const QString& name);

private:
    FbDataSet* m_ds = nullptr;
    std::vector<QMetaObject::Connection> m_links;
};
