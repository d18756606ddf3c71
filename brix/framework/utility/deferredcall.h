#pragma once

#include <QObject>

#include <functional>

namespace Utility {

// Runs a function once control is back in the event loop, however often it
// was asked for before: a burst of table signals (a vehicle's cascade
// deleting hundreds of rows) ends in one call.
class DeferredCall : public QObject
{
    Q_OBJECT

public:
    explicit DeferredCall(std::function<void()> function, QObject *parent = nullptr);

    // Asks for one call; nothing more while one is pending.
    void schedule();
    // Drops a pending call (the work was done directly meanwhile).
    void cancel();
    bool isPending() const { return m_pending; }

private:
    void run();

    std::function<void()> m_function;
    bool m_pending = false;
};

} // namespace Utility
