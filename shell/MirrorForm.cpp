#include "shell/MirrorForm.h"

#include "platform/window/TimerControl.h"

namespace shell {

std::unique_ptr<platform::Form> makeMirrorForm(const platform::FormServices& services, const platform::Picture& icon)
{
    auto mirror = std::make_unique<platform::Form>("mirror", services);
    mirror->setCaption("Tovanel");
    mirror->setIcon(icon);
    mirror->setSize(4680, 3090);
    mirror->add<platform::TimerControl>("Timer1");
    return mirror;
}

} // namespace shell
