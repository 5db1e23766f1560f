#pragma once
// Writes what the two picture boards show, side by side: the left board at
// x = 0 and the right board directly after it, without a gap. The format
// follows the file's extension: .png, .svg or .pdf. Where one board is lower
// than the other, the rest is white.

#include "platform/boards/PictureBoard.h"

#include <string>

namespace ldr {

void RenderBoards(const PictureBoard& left, const PictureBoard& right, const std::string& path);

} // namespace ldr
