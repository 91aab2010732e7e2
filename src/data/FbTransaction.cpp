#include "FbTransaction.h"

#include "FbApi.h"
#include "FbConnection.h"
#include "FbError.h"

using namespace Firebird;

FbTransaction::~FbTransaction()
{
    rollbackQuietly();
}

void FbTransaction::start()
{
    if (m_handle)
        return;
    m_db.ensureOpen();
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_concurrency, isc_tpb_write, isc_tpb_wait};
    FbApi::call([&] {
        FbApi::Status status;
        m_handle = m_db.attachment()->startTransaction(&status, sizeof tpb, tpb);
    });
}

void FbTransaction::commit()
{
    if (!m_handle)
        return;
    FbApi::call([&] {
        FbApi::Status status;
        m_handle->commit(&status); // releases the handle on success
    });
    m_handle = nullptr;
}

void FbTransaction::rollback()
{
    if (!m_handle)
        return;
    FbApi::call([&] {
        FbApi::Status status;
        m_handle->rollback(&status);
    });
    m_handle = nullptr;
}

void FbTransaction::rollbackQuietly() noexcept
{
    if (!m_handle)
        return;
    try {
        FbApi::Status status;
        m_handle->rollback(&status);
    } catch (const FbException&) {
        m_handle->release();
    }
    m_handle = nullptr;
}

void FbTransaction::execute(const QString& sql)
{
    start();
    FbApi::call([&] {
        FbApi::Status status;
        const QByteArray text = sql.toUtf8();
        m_handle = m_db.attachment()->execute(&status, m_handle, unsigned(text.size()), text.constData(), 3,
                                              nullptr, nullptr, nullptr, nullptr);
    });
}
