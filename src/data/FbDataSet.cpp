#include "FbDataSet.h"

#include "FbError.h"
#include "FbQuery.h"
#include "FbTransaction.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

QString joined(const QStringList& lines)
{
    return lines.join(u'\n');
}

bool sameValue(const FbValue& a, const FbValue& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a == b || a.asString() == b.asString();
}

DatabaseError notOpen()
{
    return DatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

ConversionError notAnInteger(const QString& text)
{
    return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

} // namespace

FbDataSet::FbDataSet(FbTransaction& tr, QObject* parent) : QObject(parent), m_tr(tr) {}

FbDataSet::~FbDataSet() = default;

void FbDataSet::setSelectSql(const QStringList& lines)
{
    m_selectSql = joined(lines);
    m_selectQuery.reset();
}

void FbDataSet::setInsertSql(const QStringList& lines)
{
    m_insertSql = joined(lines);
    m_insertQuery.reset();
}

void FbDataSet::setUpdateSql(const QStringList& lines)
{
    m_updateSql = joined(lines);
    m_updateQuery.reset();
}

void FbDataSet::setDeleteSql(const QStringList& lines)
{
    m_deleteSql = joined(lines);
    m_deleteQuery.reset();
}

void FbDataSet::addField(const QString& name, Kind kind, int size, bool required)
{
    m_declared.push_back({name, kind, size, required});
}

bool FbDataSet::needsRowKey() const
{
    static const QRegularExpression dbKeyParam(QStringLiteral(":DB_KEY\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    return m_updateSql.contains(dbKeyParam) || m_deleteSql.contains(dbKeyParam);
}

// The stored select with the row key as an extra first column; the stored
// text itself stays as it is.
QString FbDataSet::selectWithRowKey() const
{
    if (!needsRowKey())
        return m_selectSql;
    static const QRegularExpression leadingSelect(QStringLiteral("^(\\s*SELECT\\s)"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const auto m = leadingSelect.match(m_selectSql);
    if (!m.hasMatch())
        throw DatabaseError(QStringLiteral("The select text must begin with SELECT to read the row key"));
    QString sql = m_selectSql;
    sql.insert(m.capturedEnd(1), QStringLiteral("RDB$DB_KEY, "));
    return sql;
}

template <typename F>
bool FbDataSet::underErrorHook(F&& f)
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        bool raise = true;
        if (onError)
            onError(e, raise);
        if (raise)
            throw;
        return false;
    }
}

void FbDataSet::readRows()
{
    if (m_selectSql.trimmed().isEmpty())
        throw DatabaseError(QStringLiteral("This record set has no select statement"));
    if (!m_selectQuery) {
        m_selectQuery = std::make_unique<FbQuery>(m_tr);
        m_selectQuery->setSql(selectWithRowKey());
    }
    const int keyColumns = needsRowKey() ? 1 : 0;
    m_tr.start();
    m_selectQuery->open();
    std::vector<FieldDef> fields;
    for (int i = keyColumns; i < m_selectQuery->fieldCount(); ++i) {
        FieldDef def;
        def.name = m_selectQuery->fieldName(i);
        for (const FieldDef& d : m_declared)
            if (d.name.compare(def.name, Qt::CaseInsensitive) == 0)
                def = FieldDef{def.name, d.kind, d.size, d.required};
        fields.push_back(def);
    }
    for (const FieldDef& d : m_declared) {
        const bool found = std::any_of(fields.begin(), fields.end(), [&](const FieldDef& f) {
            return f.name.compare(d.name, Qt::CaseInsensitive) == 0;
        });
        if (!found)
            throw DatabaseError(QStringLiteral("Field '%1' not found").arg(d.name));
    }
    // Rows read again keep their bookmarks when the row key tells them apart.
    QHash<QByteArray, Bookmark> idOfKey;
    for (const Record& r : m_records)
        if (!r.dbKey.isEmpty())
            idOfKey.insert(r.dbKey, r.id);
    std::vector<Record> records;
    for (; !m_selectQuery->eof(); m_selectQuery->next()) {
        Record r;
        const auto& row = m_selectQuery->row();
        if (keyColumns)
            r.dbKey = row.front().asBytes();
        r.values.assign(row.begin() + keyColumns, row.end());
        r.id = idOfKey.value(r.dbKey, 0);
        if (r.id == 0)
            r.id = m_nextId++;
        records.push_back(std::move(r));
    }
    m_selectQuery->close();
    m_fields = std::move(fields);
    m_records = std::move(records);
}

void FbDataSet::open()
{
    if (isActive())
        close();
    if (!underErrorHook([&] { readRows(); }))
        return;
    m_state = State::Browse;
    m_modified = false;
    m_cur = m_records.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_records.empty();
    emit stateChanged();
    emit dataChanged();
    scrolled();
}

void FbDataSet::close()
{
    if (m_selectQuery)
        m_selectQuery->close();
    m_records.clear();
    m_editValues.clear();
    m_state = State::Inactive;
    m_modified = false;
    m_cur = -1;
    m_bof = m_eof = true;
    emit stateChanged();
    emit dataChanged();
}

void FbDataSet::requireActive() const
{
    if (!isActive())
        throw notOpen();
}

void FbDataSet::scrolled()
{
    if (afterScroll)
        afterScroll();
}

void FbDataSet::setPosition(int index)
{
    m_cur = m_records.empty() ? -1 : std::clamp(index, 0, int(m_records.size()) - 1);
    m_bof = m_eof = m_records.empty();
}

void FbDataSet::dropEdit()
{
    if (m_state == State::Insert && m_cur >= 0) {
        m_records.erase(m_records.begin() + m_cur);
        setPosition(m_cur);
    }
    m_editValues.clear();
    m_state = State::Browse;
    m_modified = false;
}

bool FbDataSet::leaveEditQuietly()
{
    if (!isEditing())
        return false;
    if (m_modified) {
        post();
        return false;
    }
    const bool droppedInsert = m_state == State::Insert;
    dropEdit();
    emit stateChanged();
    emit dataChanged();
    return droppedInsert;
}

void FbDataSet::checkBrowseMode()
{
    if (leaveEditQuietly())
        scrolled();
}

void FbDataSet::first()
{
    requireActive();
    leaveEditQuietly();
    m_cur = m_records.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_records.empty();
    emit dataChanged();
    scrolled();
}

void FbDataSet::last()
{
    requireActive();
    leaveEditQuietly();
    m_cur = int(m_records.size()) - 1;
    m_eof = true;
    m_bof = m_records.empty();
    emit dataChanged();
    scrolled();
}

void FbDataSet::next()
{
    requireActive();
    leaveEditQuietly();
    if (m_eof)
        return;
    m_bof = false;
    if (m_cur + 1 < int(m_records.size()))
        ++m_cur;
    else
        m_eof = true;
    emit dataChanged();
    scrolled();
}

void FbDataSet::prior()
{
    requireActive();
    leaveEditQuietly();
    if (m_bof)
        return;
    m_eof = false;
    if (m_cur > 0)
        --m_cur;
    else
        m_bof = true;
    emit dataChanged();
    scrolled();
}

bool FbDataSet::locate(const QString& field, const FbValue& value)
{
    requireActive();
    const int f = requireField(field);
    leaveEditQuietly();
    for (int i = 0; i < int(m_records.size()); ++i) {
        if (sameValue(m_records[i].values[f], value)) {
            m_cur = i;
            m_bof = m_eof = false;
            emit dataChanged();
            scrolled();
            return true;
        }
    }
    return false;
}

void FbDataSet::insert()
{
    requireActive();
    leaveEditQuietly();
    const int at = m_cur < 0 ? 0 : m_cur;
    Record r;
    r.id = m_nextId++;
    r.values.assign(m_fields.size(), FbValue());
    m_editValues = r.values;
    m_records.insert(m_records.begin() + at, std::move(r));
    m_cur = at;
    m_state = State::Insert;
    m_modified = false;
    m_bof = m_eof = false;
    emit stateChanged();
    emit dataChanged();
    if (afterInsert)
        afterInsert();
    scrolled();
}

void FbDataSet::edit()
{
    requireActive();
    if (isEditing())
        return;
    if (m_records.empty()) {
        insert();
        return;
    }
    m_editValues = m_records[m_cur].values;
    m_state = State::Edit;
    m_modified = false;
    emit stateChanged();
}

void FbDataSet::execWrite(std::unique_ptr<FbQuery>& q, const QString& sql, const std::vector<FbValue>& current,
                          const Record& stored, QByteArray* returnedKey)
{
    if (sql.trimmed().isEmpty())
        throw DatabaseError(QStringLiteral("This record set has no statement to write this change"));
    if (!q) {
        q = std::make_unique<FbQuery>(m_tr);
        q->setSql(returnedKey ? sql + QStringLiteral("\nRETURNING RDB$DB_KEY") : sql);
    }
    q->clearParams();
    for (const QString& name : q->paramNames()) {
        if (name == QLatin1String("DB_KEY")) {
            if (stored.dbKey.isEmpty())
                throw DatabaseError(QStringLiteral("The row key of this record is not known"));
            q->setParam(name, FbValue(stored.dbKey));
        } else if (name.startsWith(QLatin1String("OLD_"))) {
            const int f = requireField(name.mid(4));
            q->setParam(name, f < int(stored.values.size()) ? stored.values[f] : FbValue());
        } else {
            q->setParam(name, current[requireField(name)]);
        }
    }
    m_tr.start();
    q->execute();
    if (returnedKey)
        *returnedKey = q->field(0).asBytes();
    q->close();
}

void FbDataSet::post()
{
    requireActive();
    if (!isEditing())
        return;
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (m_fields[i].required && m_editValues[i].isNull())
            throw DatabaseError(QStringLiteral("Field '%1' must have a value").arg(m_fields[i].name));
    Record& rec = m_records[m_cur];
    if (m_state == State::Insert) {
        QByteArray key;
        const Record none;
        if (!underErrorHook([&] { execWrite(m_insertQuery, m_insertSql, m_editValues, none, needsRowKey() ? &key : nullptr); }))
            return;
        rec.dbKey = key;
    } else if (m_modified) {
        if (!underErrorHook([&] { execWrite(m_updateQuery, m_updateSql, m_editValues, rec, nullptr); }))
            return;
    }
    rec.values = m_editValues;
    m_editValues.clear();
    m_state = State::Browse;
    m_modified = false;
    emit stateChanged();
    emit dataChanged();
}

void FbDataSet::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = m_state == State::Insert;
    dropEdit();
    emit stateChanged();
    emit dataChanged();
    if (wasInsert)
        scrolled();
}

void FbDataSet::deleteRecord()
{
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_records.empty())
        throw DatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    const Record& rec = m_records[m_cur];
    if (!underErrorHook([&] { execWrite(m_deleteQuery, m_deleteSql, rec.values, rec, nullptr); }))
        return;
    m_records.erase(m_records.begin() + m_cur);
    m_editValues.clear();
    m_state = State::Browse;
    m_modified = false;
    setPosition(m_cur);
    emit stateChanged();
    emit dataChanged();
    scrolled();
}

void FbDataSet::refresh()
{
    requireActive();
    leaveEditQuietly();
    const QByteArray key = m_cur >= 0 ? m_records[m_cur].dbKey : QByteArray();
    const int index = m_cur;
    if (!underErrorHook([&] { readRows(); }))
        return;
    int found = -1;
    for (int i = 0; !key.isEmpty() && i < int(m_records.size()); ++i)
        if (m_records[i].dbKey == key)
            found = i;
    setPosition(found >= 0 ? found : index);
    emit dataChanged();
    scrolled();
}

FbDataSet::Bookmark FbDataSet::bookmark() const
{
    return m_cur >= 0 ? m_records[m_cur].id : 0;
}

bool FbDataSet::bookmarkValid(Bookmark b) const
{
    return b != 0 && std::any_of(m_records.begin(), m_records.end(), [b](const Record& r) { return r.id == b; });
}

void FbDataSet::gotoBookmark(Bookmark b)
{
    requireActive();
    leaveEditQuietly();
    for (int i = 0; i < int(m_records.size()); ++i) {
        if (m_records[i].id == b) {
            m_cur = i;
            m_bof = m_eof = false;
            emit dataChanged();
            scrolled();
            return;
        }
    }
    throw DatabaseError(QStringLiteral("The bookmarked record is no longer in the record set"));
}

QStringList FbDataSet::fieldNames() const
{
    QStringList out;
    for (const FieldDef& f : m_fields)
        out << f.name;
    return out;
}

int FbDataSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < int(m_fields.size()); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int FbDataSet::requireField(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return i;
}

const FbDataSet::FieldDef& FbDataSet::fieldDef(const QString& name) const
{
    return m_fields[requireField(name)];
}

FbValue FbDataSet::fieldValue(const QString& name) const
{
    const int f = requireField(name);
    if (m_cur < 0)
        return {};
    return isEditing() ? m_editValues[f] : m_records[m_cur].values[f];
}

FbValue FbDataSet::oldFieldValue(const QString& name) const
{
    const int f = requireField(name);
    if (m_cur < 0 || m_state == State::Insert)
        return {};
    return m_records[m_cur].values[f];
}

FbValue FbDataSet::converted(const FieldDef& def, const FbValue& v) const
{
    if (v.isNull())
        return v;
    switch (def.kind) {
    case Kind::Any:
        return v;
    case Kind::String: {
        const QString s = v.asString();
        if (def.size > 0 && s.size() > def.size)
            throw ConversionError(QStringLiteral("The text for %1 is longer than %2 characters").arg(def.name).arg(def.size));
        return s;
    }
    case Kind::Integer:
    case Kind::SmallInt: {
        qint64 n = 0;
        if (const auto* s = std::get_if<QString>(&v.variant())) {
            if (s->trimmed().isEmpty())
                return {};
            bool ok = false;
            n = s->trimmed().toLongLong(&ok);
            if (!ok)
                throw notAnInteger(*s);
        } else if (const auto* sc = std::get_if<FbValue::Scaled>(&v.variant()); sc && sc->scale < 0) {
            throw notAnInteger(v.asString());
        } else {
            n = v.asInteger();
        }
        const qint64 lo = def.kind == Kind::SmallInt ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint32>::min();
        const qint64 hi = def.kind == Kind::SmallInt ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint32>::max();
        if (n < lo || n > hi)
            throw ConversionError(QStringLiteral("%1 is not a valid value for %2: the allowed range is %3 to %4")
                                      .arg(n).arg(def.name).arg(lo).arg(hi));
        return FbValue(n);
    }
    }
    return v;
}

void FbDataSet::setFieldValue(const QString& name, const FbValue& value)
{
    const int f = requireField(name);
    if (!isEditing())
        throw DatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    m_editValues[f] = converted(m_fields[f], value);
    m_modified = true;
    emit fieldChanged(m_fields[f].name);
}

void FbDataSource::setDataSet(FbDataSet* ds)
{
    for (const auto& c : m_links)
        disconnect(c);
    m_links.clear();
    m_ds = ds;
    if (ds) {
        m_links.push_back(connect(ds, &FbDataSet::stateChanged, this, &FbDataSource::stateChanged));
        m_links.push_back(connect(ds, &FbDataSet::dataChanged, this, &FbDataSource::dataChanged));
        m_links.push_back(connect(ds, &FbDataSet::fieldChanged, this, &FbDataSource::fieldChanged));
        m_links.push_back(connect(ds, &QObject::destroyed, this, [this] { setDataSet(nullptr); }));
    }
    emit stateChanged();
    emit dataChanged();
}
