#include "FbConnection.h"

#include "FbApi.h"
#include "FbError.h"

#include <vector>

using namespace Firebird;

namespace {

std::vector<unsigned char> buildDpb(const FbConnection::Params& p, bool forCreate)
{
    FbApi::Status status;
    IXpbBuilder* dpb = FbApi::util()->getXpbBuilder(&status, IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&status, isc_dpb_user_name, p.userName.toUtf8().constData());
    dpb->insertString(&status, isc_dpb_password, p.password.toUtf8().constData());
    dpb->insertString(&status, isc_dpb_lc_ctype, "UTF8");
    if (forCreate) {
        dpb->insertInt(&status, isc_dpb_page_size, 8192);
        dpb->insertString(&status, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&status, isc_dpb_sql_dialect, 3);
    }
    const unsigned char* b = dpb->getBuffer(&status);
    std::vector<unsigned char> out(b, b + dpb->getBufferLength(&status));
    dpb->dispose();
    return out;
}

} // namespace

FbConnection::~FbConnection()
{
    close();
}

void FbConnection::setParams(const Params& p)
{
    m_params = p;
    m_paramsApplied = true;
}

QString FbConnection::addressOf(const Params& p)
{
    return p.server.isEmpty() ? p.path : p.server + u':' + p.path;
}

void FbConnection::open()
{
    if (m_attachment)
        return;
    FbApi::call([&] {
        FbApi::Status status;
        const auto dpb = buildDpb(m_params, false);
        m_attachment = FbApi::provider()->attachDatabase(&status, address().toUtf8().constData(),
                                                         unsigned(dpb.size()), dpb.data());
    });
}

void FbConnection::close() noexcept
{
    if (!m_attachment)
        return;
    try {
        FbApi::Status status;
        m_attachment->detach(&status);
    } catch (const FbException&) {
        // A detach that fails (lost server) still ends our use of the handle.
        m_attachment->release();
    }
    m_attachment = nullptr;
}

void FbConnection::ensureOpen()
{
    if (m_attachment)
        return;
    if (!m_paramsApplied)
        throw DatabaseError(QStringLiteral("Database not connected: no database path has been set"));
    open();
}

void FbConnection::createDatabase(const Params& p)
{
    FbApi::call([&] {
        FbApi::Status status;
        const auto dpb = buildDpb(p, true);
        IAttachment* att = FbApi::provider()->createDatabase(&status, addressOf(p).toUtf8().constData(),
                                                            unsigned(dpb.size()), dpb.data());
        att->detach(&status);
    });
}

void FbConnection::dropDatabase()
{
    ensureOpen();
    FbApi::call([&] {
        FbApi::Status status;
        m_attachment->dropDatabase(&status);
    });
    m_attachment = nullptr;
}
