#pragma once
// The strip factory: a new, empty strip object of a stored strip type.

#include "core/LdrContext.h"
#include "interfaces/itfStrip.h"

#include <cstdint>
#include <memory>

namespace ldr {

// 1 a net, 2 a comment, 3 a label. Any other type (statement-list strips
// have no class) shows the message box "else" and gives nothing.
std::shared_ptr<itfStrip> CreateStripByType(LdrContext& ctx, std::int32_t stripType);

} // namespace ldr
