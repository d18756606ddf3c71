#include "utility/deferredcall.h"

namespace Utility {

DeferredCall::DeferredCall(std::function<void()> function, QObject *parent)
    : QObject(parent), m_function(std::move(function))
{
}

void DeferredCall::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &DeferredCall::run, Qt::QueuedConnection);
}

void DeferredCall::cancel()
{
    m_pending = false;
}

void DeferredCall::run()
{
    // A cancelled call, or one asked for again after a cancel, runs once.
    if (!m_pending)
        return;
    m_pending = false;
    m_function();
}

} // namespace Utility
