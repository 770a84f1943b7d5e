#pragma once

#include "shell/WindowContext.h"

namespace content {

// Choosing the lesson part with the six option buttons (three per screen). The window hears
// the buttons' focus notification: it ends whatever was playing, rebuilds the list for the
// chosen part, shows row 1 and shows the pronunciation frames exactly for the words.
class CategoryChange {
public:
    explicit CategoryChange(shell::WindowContext& context) : m_x(context) {}

    // The focus notification of option button INDEX (0..5).
    void gotFocus(int index);

    // The part name of option button INDEX: 基本课文, 应用课文 or 单词.
    static const char* partName(int index);

private:
    shell::WindowContext& m_x;
};

} // namespace content
