#pragma once

/// \file
/// Process-wide singletons of the host's utility library.

namespace utils {

/// CSingletonT<T>::instance() gives the one process-wide T, created at the first call and never
/// null. Each T the host offers specialises instance() in the host library itself, so every
/// module of the process shares the same object (the host stand-in does this for
/// ttservice::StockTypeCenter in <tc/host/stocktypecenter.h>).
template <class T> class CSingletonT
{
public:
    /// The one process-wide T, created at the first call; never null.
    static T* instance();
};

} // namespace utils
