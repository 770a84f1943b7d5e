#pragma once

#include "platform/window/Form.h"

#include <memory>

namespace shell {

// The taskbar proxy `mirror`: an ordinary window, captioned "Tovanel" with the program's
// icon, 4680 × 3090 twips, kept out of sight; it carries the program's one taskbar entry,
// through which the lesson window is minimised and restored. Its timer stands in the
// inventory only: the window follows the entry's state changes instead of polling them.
std::unique_ptr<platform::Form> makeMirrorForm(const platform::FormServices& services, const platform::Picture& icon);

} // namespace shell
