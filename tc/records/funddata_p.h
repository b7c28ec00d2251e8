#pragma once

// Internal access to the serial counter of FundDataDetail.

#include <cstdint>

namespace TC {

// The process-wide counter from which each default-constructed FundDataDetail draws its serialId:
// 0 at load, never reset. Tests read and set it through this reference.
int32_t& fundSerialCounter();

} // namespace TC
