#include "TestDatabase.h"

#include "data/FbQuery.h"
#include "data/FbTransaction.h"
#include "data/ShopDatabase.h"

#include <QDialog>
#include <QPointer>
#include <stdexcept>

TestDatabase::TestDatabase(Contents contents)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    m_path = m_dir.filePath(QStringLiteral("shop.fdb"));
    ShopDatabase::create(params(), contents == Demo);
    delete dmMain;
    dmMain = new TdmMain;
    dmMain->SetDatabasePath(m_path);
    if (!dmMain->Connect())
        throw std::runtime_error("cannot connect to the test database");
}

TestDatabase::~TestDatabase()
{
    delete dmMain;
    dmMain = nullptr;
}

FbConnection::Params TestDatabase::params() const
{
    return {QStringLiteral("sysdba"), QStringLiteral("plumtiger"), QString(), m_path};
}

void TestDatabase::exec(const QString& sql)
{
    dmMain->ExecuteSQL(sql);
}

std::vector<std::vector<FbValue>> TestDatabase::rows(const QString& sql)
{
    FbQuery q(dmMain->FBDB);
    q.setSql(sql);
    q.open();
    std::vector<std::vector<FbValue>> out;
    for (; !q.eof(); q.next())
        out.push_back(q.row());
    q.close();
    q.transaction().commit();
    return out;
}

FbValue TestDatabase::scalar(const QString& sql)
{
    const auto r = rows(sql);
    return r.empty() || r.front().empty() ? FbValue() : r.front().front();
}

qint64 TestDatabase::count(const QString& tableAndWhere)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tableAndWhere).asInteger();
}

RecordingMessages::RecordingMessages() : m_previous(Messages::hook())
{
    Messages::setHook(this);
}

RecordingMessages::~RecordingMessages()
{
    Messages::setHook(m_previous);
}

QStringList RecordingMessages::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

QStringList RecordingMessages::errors() const
{
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == Messages::Kind::Error)
            out << s.text;
    return out;
}

bool RecordingMessages::answer(const Messages::Shown& s)
{
    shown.push_back(s);
    if (s.kind != Messages::Kind::Confirmation)
        return true;
    if (answers.empty())
        return defaultAnswer;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> RecordingMessages::answerInput(const Messages::Shown& s, const QString& defaultText)
{
    shown.push_back(s);
    if (inputs.empty())
        return defaultText;
    const bool ok = inputs.front().has_value();
    const QString text = ok ? *inputs.front() : QString();
    inputs.pop_front();
    if (!ok)
        return std::nullopt;
    return text;
}

void RecordingMessages::runModal(QDialog& dialog)
{
    if (modals.empty()) {
        dialog.reject();
        return;
    }
    auto drive = std::move(modals.front());
    modals.pop_front();
    QPointer<QDialog> alive(&dialog);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    drive(dialog);
    if (alive && alive->isVisible())
        alive->hide();
}
