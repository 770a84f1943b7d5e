#pragma once

#include "shell/WindowContext.h"

namespace content {

// The text panes and the six display switches. xiantext copies the current row into every
// pane of both screens; each switch shows or hides the texts it governs. A switch's Click
// comes before the box flips its value, so a handler reading 1 is being cleared.
class TextPanes {
public:
    explicit TextPanes(shell::WindowContext& context) : m_x(context) {}

    // Writes the selected row's texts into the panes, the follow-read screen's labels and the
    // pronunciation boxes, and the row counters. With no row selected (an empty part) every
    // pane is emptied and the counters read 0.
    void xiantext();

    // Click handlers of the display switches.
    void richeckClick();
    void hancheckClick();
    void fycheckClick();
    void riyucheckClick();
    void cncheckClick();
    void fycheck1Click();

private:
    shell::WindowContext& m_x;
};

} // namespace content
