// What a Windows handle is, as far as moving its position goes. Plain C++, so
// the rule is built and tested on every system.
#pragma once

namespace vortelin {

// The kinds of handle the system tells apart.
enum class HandleType { disk, character, pipe, unknown };

// Whether a handle's position may be moved: a disk file's only. The Windows C
// runtime "moves" the position of a pipe, a console or a device without
// failing while reads go on where they were, so bytes read ahead and moved
// back over would be lost to the next reader.
constexpr bool position_moves(HandleType type) {
  return type == HandleType::disk;
}

}  // namespace vortelin
