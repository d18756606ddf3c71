#pragma once

// The process-wide instance of T: set when a T is built, cleared when that
// T is deleted. instance() is null while none exists.
template<class T>
class CProcessWide
{
public:
    static T *instance() { return self; }

protected:
    CProcessWide() { self = static_cast<T *>(this); }
    ~CProcessWide()
    {
        if (self == static_cast<T *>(this))
            self = nullptr;
    }

private:
    static inline T *self = nullptr;
};
