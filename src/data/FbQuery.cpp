#include "FbQuery.h"

#include "FbApi.h"
#include "FbConnection.h"
#include "FbError.h"
#include "FbTransaction.h"

#include <cstring>

using namespace Firebird;

namespace {

constexpr unsigned charsetOctets = 1;
constexpr unsigned charsetUtf8 = 4;

// ISC dates count days from 17 November 1858; times are 1/10000 seconds.
constexpr qint64 iscDateJulianOffset = 2400001;

QDate decodeDate(ISC_DATE d) { return QDate::fromJulianDay(qint64(d) + iscDateJulianOffset); }
QTime decodeTime(ISC_TIME t) { return QTime::fromMSecsSinceStartOfDay(int(t / 10)); }
ISC_DATE encodeDate(QDate d) { return ISC_DATE(d.toJulianDay() - iscDateJulianOffset); }
ISC_TIME encodeTime(QTime t) { return ISC_TIME(t.msecsSinceStartOfDay()) * 10; }

// Splits :NAME parameters out of a statement, outside quotes and comments.
QString translateParams(const QString& sql, QStringList& names)
{
    QString out;
    names.clear();
    const int n = int(sql.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const int end = sql.indexOf(c, i + 1);
            const int stop = end < 0 ? n - 1 : end;
            out += sql.mid(i, stop - i + 1);
            i = stop;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const int end = sql.indexOf(u'\n', i);
            const int stop = end < 0 ? n - 1 : end;
            out += sql.mid(i, stop - i + 1);
            i = stop;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const int end = sql.indexOf(QLatin1String("*/"), i + 2);
            const int stop = end < 0 ? n - 1 : end + 1;
            out += sql.mid(i, stop - i + 1);
            i = stop;
        } else if (c == u':' && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            int j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_' || sql[j] == u'$'))
                ++j;
            names << sql.mid(i + 1, j - i - 1).toUpper();
            out += u'?';
            i = j - 1;
        } else {
            if (c == u'?')
                names << QString();
            out += c;
        }
    }
    return out;
}

FbValue decodeField(const FbQuery::Column& c, const unsigned char* buf)
{
    if (*reinterpret_cast<const short*>(buf + c.nullOffset))
        return {};
    const unsigned char* p = buf + c.offset;
    const unsigned type = c.type;
    const int scale = c.scale;
    const unsigned charset = c.charset;
    switch (type) {
    case SQL_VARYING: {
        const auto len = *reinterpret_cast<const unsigned short*>(p);
        const char* s = reinterpret_cast<const char*>(p + 2);
        if (charset == charsetOctets)
            return QByteArray(s, len);
        return QString::fromUtf8(s, len);
    }
    case SQL_TEXT: {
        const unsigned len = c.length;
        const char* s = reinterpret_cast<const char*>(p);
        if (charset == charsetOctets)
            return QByteArray(s, int(len));
        return QString::fromUtf8(s, int(len));
    }
    case SQL_SHORT:
        return FbValue::Scaled{*reinterpret_cast<const qint16*>(p), scale};
    case SQL_LONG:
        return FbValue::Scaled{*reinterpret_cast<const qint32*>(p), scale};
    case SQL_INT64:
        return FbValue::Scaled{*reinterpret_cast<const qint64*>(p), scale};
    case SQL_FLOAT:
        return double(*reinterpret_cast<const float*>(p));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return *reinterpret_cast<const double*>(p);
    case SQL_BOOLEAN:
        return *p != 0;
    case SQL_TYPE_DATE:
        return decodeDate(*reinterpret_cast<const ISC_DATE*>(p));
    case SQL_TYPE_TIME:
        return decodeTime(*reinterpret_cast<const ISC_TIME*>(p));
    case SQL_TIMESTAMP: {
        const auto* ts = reinterpret_cast<const ISC_TIMESTAMP*>(p);
        return QDateTime(decodeDate(ts->timestamp_date), decodeTime(ts->timestamp_time), Qt::UTC);
    }
    default:
        throw DatabaseError(QStringLiteral("Column %1 has a data type this program does not read (%2)")
                                .arg(c.name)
                                .arg(type));
    }
}

// The message type that carries a value of v's kind to the database, which
// converts it to the parameter's own type.
struct InputSlot {
    unsigned type = SQL_VARYING;
    int scale = 0;
    unsigned length = 0;
    unsigned charset = charsetUtf8;
    QByteArray bytes;
};

InputSlot slotFor(const FbValue& v, IMessageMetadata* declared, unsigned i)
{
    InputSlot s;
    std::visit([&](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
            FbApi::Status status;
            s.type = declared->getType(&status, i) & ~1u;
            s.scale = declared->getScale(&status, i);
            s.length = declared->getLength(&status, i);
            s.charset = declared->getCharSet(&status, i);
        } else if constexpr (std::is_same_v<T, FbValue::Scaled>) {
            s.type = SQL_INT64; s.scale = x.scale; s.length = 8;
        } else if constexpr (std::is_same_v<T, double>) {
            s.type = SQL_DOUBLE; s.length = 8;
        } else if constexpr (std::is_same_v<T, bool>) {
            s.type = SQL_BOOLEAN; s.length = 1;
        } else if constexpr (std::is_same_v<T, QString>) {
            s.bytes = x.toUtf8(); s.type = SQL_VARYING; s.length = unsigned(qMax<qsizetype>(1, s.bytes.size()));
        } else if constexpr (std::is_same_v<T, QByteArray>) {
            s.bytes = x; s.type = SQL_VARYING; s.charset = charsetOctets; s.length = unsigned(qMax<qsizetype>(1, x.size()));
        } else if constexpr (std::is_same_v<T, QDate>) {
            s.type = SQL_TYPE_DATE; s.length = 4;
        } else if constexpr (std::is_same_v<T, QTime>) {
            s.type = SQL_TYPE_TIME; s.length = 4;
        } else if constexpr (std::is_same_v<T, QDateTime>) {
            s.type = SQL_TIMESTAMP; s.length = 8;
        }
    }, v.variant());
    return s;
}

void encodeValue(const FbValue& v, const InputSlot& s, unsigned char* p)
{
    std::visit([&](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, FbValue::Scaled>) {
            std::memcpy(p, &x.raw, 8);
        } else if constexpr (std::is_same_v<T, double>) {
            std::memcpy(p, &x, 8);
        } else if constexpr (std::is_same_v<T, bool>) {
            *p = x ? 1 : 0;
        } else if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QByteArray>) {
            const auto len = static_cast<unsigned short>(s.bytes.size());
            std::memcpy(p, &len, 2);
            std::memcpy(p + 2, s.bytes.constData(), len);
        } else if constexpr (std::is_same_v<T, QDate>) {
            const ISC_DATE d = encodeDate(x);
            std::memcpy(p, &d, 4);
        } else if constexpr (std::is_same_v<T, QTime>) {
            const ISC_TIME t = encodeTime(x);
            std::memcpy(p, &t, 4);
        } else if constexpr (std::is_same_v<T, QDateTime>) {
            ISC_TIMESTAMP ts{encodeDate(x.date()), encodeTime(x.time())};
            std::memcpy(p, &ts, 8);
        }
    }, v.variant());
}

} // namespace

FbQuery::FbQuery(FbTransaction& tr) : m_tr(&tr) {}

FbQuery::FbQuery(FbConnection& db)
    : m_ownTr(std::make_unique<FbTransaction>(db)), m_tr(m_ownTr.get())
{
}

FbQuery::~FbQuery()
{
    releaseStatement();
}

void FbQuery::setSql(const QString& sql)
{
    releaseStatement();
    m_sql = sql;
    m_prepared = translateParams(sql, m_paramOfPlace);
    m_params.assign(m_paramOfPlace.size(), FbValue());
}

void FbQuery::releaseStatement() noexcept
{
    try {
        close();
    } catch (const std::exception&) {
        // the cursor is gone either way
    }
    if (m_outMeta) {
        m_outMeta->release();
        m_outMeta = nullptr;
    }
    if (m_stmt) {
        try {
            FbApi::Status status;
            m_stmt->free(&status);
        } catch (const FbException&) {
            m_stmt->release();
        }
        m_stmt = nullptr;
    }
    m_columns.clear();
}

void FbQuery::prepare()
{
    if (m_stmt)
        return;
    if (m_sql.trimmed().isEmpty())
        throw DatabaseError(QStringLiteral("The statement text is empty"));
    m_tr->start();
    FbApi::call([&] {
        FbApi::Status status;
        m_stmt = m_tr->connection().attachment()->prepare(&status, m_tr->handle(), 0,
                                                          m_prepared.toUtf8().constData(), 3,
                                                          IStatement::PREPARE_PREFETCH_METADATA);
        m_outMeta = m_stmt->getOutputMetadata(&status);
        const unsigned n = m_outMeta->getCount(&status);
        m_columns.clear();
        for (unsigned i = 0; i < n; ++i) {
            Column c;
            c.name = QString::fromUtf8(m_outMeta->getAlias(&status, i));
            c.type = m_outMeta->getType(&status, i) & ~1u;
            c.scale = m_outMeta->getScale(&status, i);
            c.charset = m_outMeta->getCharSet(&status, i);
            c.length = m_outMeta->getLength(&status, i);
            c.offset = m_outMeta->getOffset(&status, i);
            c.nullOffset = m_outMeta->getNullOffset(&status, i);
            m_columns.push_back(c);
        }
        m_buffer.assign(m_outMeta->getMessageLength(&status), 0);
    });
}

std::vector<unsigned char> FbQuery::buildInput(IMessageMetadata*& meta)
{
    meta = nullptr;
    std::vector<unsigned char> buf;
    FbApi::Status status;
    IMessageMetadata* declared = m_stmt->getInputMetadata(&status);
    const unsigned n = declared->getCount(&status);
    if (n == 0) {
        declared->release();
        return buf;
    }
    std::vector<InputSlot> inSlots;
    IMetadataBuilder* b = declared->getBuilder(&status);
    for (unsigned i = 0; i < n; ++i) {
        const FbValue v = i < m_params.size() ? m_params[i] : FbValue();
        inSlots.push_back(slotFor(v, declared, i));
        const InputSlot& s = inSlots.back();
        b->setType(&status, i, s.type | 1u);
        b->setScale(&status, i, s.scale);
        // Every slot gets its own length: an INT64 sent for an INTEGER
        // column would otherwise spill into the next parameter.
        b->setLength(&status, i, s.length);
        if (s.type == SQL_VARYING || s.type == SQL_TEXT)
            b->setCharSet(&status, i, s.charset);
    }
    meta = b->getMetadata(&status);
    b->release();
    buf.assign(meta->getMessageLength(&status), 0);
    for (unsigned i = 0; i < n; ++i) {
        const FbValue v = i < m_params.size() ? m_params[i] : FbValue();
        auto* nullFlag = reinterpret_cast<short*>(buf.data() + meta->getNullOffset(&status, i));
        *nullFlag = v.isNull() ? -1 : 0;
        if (!v.isNull())
            encodeValue(v, inSlots[i], buf.data() + meta->getOffset(&status, i));
    }
    declared->release();
    return buf;
}

void FbQuery::open()
{
    close();
    prepare();
    FbApi::call([&] {
        FbApi::Status status;
        IMessageMetadata* inMeta = nullptr;
        auto inBuf = buildInput(inMeta);
        const unsigned type = m_stmt->getType(&status);
        try {
            if (type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd) {
                m_cursor = m_stmt->openCursor(&status, m_tr->handle(), inMeta, inBuf.data(), m_outMeta, 0);
            } else {
                m_stmt->execute(&status, m_tr->handle(), inMeta, inBuf.data(), m_outMeta, m_buffer.data());
                m_singleRow = m_outMeta->getCount(&status) > 0;
            }
        } catch (...) {
            if (inMeta)
                inMeta->release();
            throw;
        }
        if (inMeta)
            inMeta->release();
    });
    if (m_cursor)
        fetch();
    else if (m_singleRow) {
        m_eof = false;
        m_row.clear();
        for (int i = 0; i < fieldCount(); ++i)
            m_row.push_back(decodeField(m_columns[i], m_buffer.data()));
    }
}

void FbQuery::execute()
{
    open();
}

void FbQuery::fetch()
{
    FbApi::call([&] {
        FbApi::Status status;
        m_eof = m_cursor->fetchNext(&status, m_buffer.data()) != IStatus::RESULT_OK;
    });
    m_row.clear();
    if (m_eof)
        return;
    for (int i = 0; i < fieldCount(); ++i)
        m_row.push_back(decodeField(m_columns[i], m_buffer.data()));
}

void FbQuery::next()
{
    if (m_cursor && !m_eof)
        fetch();
    else
        m_eof = true;
}

void FbQuery::close()
{
    m_singleRow = false;
    m_eof = true;
    m_row.clear();
    if (!m_cursor)
        return;
    IResultSet* c = m_cursor;
    m_cursor = nullptr;
    try {
        FbApi::Status status;
        c->close(&status);
    } catch (const FbException& e) {
        c->release();
        FbApi::rethrow(e);
    }
}

int FbQuery::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fieldCount(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const FbValue& FbQuery::field(int i) const
{
    if (i < 0 || i >= int(m_row.size()))
        throw DatabaseError(m_row.empty() ? QStringLiteral("No current row")
                                          : QStringLiteral("Field index %1 out of range").arg(i));
    return m_row[i];
}

const FbValue& FbQuery::fieldByName(const QString& name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return field(i);
}

QStringList FbQuery::paramNames()
{
    QStringList out;
    for (const QString& n : m_paramOfPlace)
        if (!n.isEmpty() && !out.contains(n))
            out << n;
    return out;
}

void FbQuery::setParam(const QString& name, const FbValue& v)
{
    const QString key = name.toUpper();
    bool found = false;
    for (qsizetype i = 0; i < m_paramOfPlace.size(); ++i)
        if (m_paramOfPlace[i] == key) {
            m_params[i] = v;
            found = true;
        }
    if (!found)
        throw DatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
}

void FbQuery::setParam(int index, const FbValue& v)
{
    if (index < 0 || index >= int(m_params.size()))
        throw DatabaseError(QStringLiteral("Parameter index %1 out of range").arg(index));
    m_params[index] = v;
}

void FbQuery::clearParams()
{
    m_params.assign(m_paramOfPlace.size(), FbValue());
}
