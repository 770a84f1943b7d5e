// Gallery pages of the XP-style check box and option button: every cell of every look strip,
// the eight option-button faces, and whole controls with captions in each state.

#include <string>
#include <vector>

#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpCheckBoxLooks.h"
#include "controls/xp/XpRadioButton.h"
#include "controls/xp/XpRadioFaces.h"
#include "platform/draw/Colour.h"
#include "tools/gallery/Gallery.h"

namespace {

using platform::Argb;
using platform::Rect;
using platform::rgb;
using platform::Surface;

constexpr Argb kSheet = rgb(255, 255, 255);
constexpr platform::OleColour kFollowReadBack = 0x00D6D5D7;

Surface enlarged(const Surface& s, int factor)
{
    Surface big(s.width() * factor, s.height() * factor, kSheet);
    big.stretchFrom(s, { 0, 0, s.width(), s.height() }, { 0, 0, big.width(), big.height() });
    return big;
}

// Lays PICTURES out in rows of COLUMNS with GAP pixels between them.
Surface sheet(const std::vector<Surface>& pictures, int columns, int gap, Argb background = kSheet)
{
    int cellW = 0, cellH = 0;
    for (const Surface& p : pictures) {
        cellW = std::max(cellW, p.width());
        cellH = std::max(cellH, p.height());
    }
    const int count = static_cast<int>(pictures.size());
    const int rows = (count + columns - 1) / columns;
    Surface out(gap + columns * (cellW + gap), gap + rows * (cellH + gap), background);
    for (int i = 0; i < count; ++i) {
        const Surface& p = pictures[static_cast<std::size_t>(i)];
        out.drawOver(p, { gap + (i % columns) * (cellW + gap), gap + (i / columns) * (cellH + gap) });
    }
    return out;
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

const char* kStateNames[] = { "normal", "hot", "pressed", "disabled" };

platform::FontInfo captionFont()
{
    return { "宋体", 10.5, 400, 134 };
}

// Brings CONTROL into face state STATE (0 normal, 1 hot, 2 pressed, 3 disabled) the way the
// user would: a move over the box, a press on it, or disabling it.
void putInState(controls::XpChoiceControl& control, int state)
{
    const platform::Rect box = control.layout().box;
    if (state >= 1)
        control.mouseMove(0, 0, box.x + 6, box.y + 6);
    if (state == 2)
        control.mouseDown(1, 0, box.x + 6, box.y + 6);
}

Surface checkBoxIn(int look, int value, int state, platform::OleColour back, const std::string& text)
{
    controls::XpCheckBox box;
    box.initProperties();
    box.resized(73, 17);
    box.setCaption(text);
    box.setFont(captionFont());
    box.setBackColor(back);
    (void)box.setCheckBoxLook(look);
    box.setValue(value);
    if (state == 3)
        box.setEnabled(false);
    putInState(box, state);
    return box.surface();
}

Surface radioIn(bool value, int state, platform::OleColour back, const std::string& text)
{
    controls::XpRadioButton button;
    button.initProperties();
    button.resized(73, 17);
    button.setCaption(text);
    button.setFont(captionFont());
    button.setBackColor(back);
    button.setValue(value);
    if (state == 3)
        button.setEnabled(false);
    putInState(button, state);
    return button.surface();
}

} // namespace

// The 14 strips as they are (156 × 13), each also enlarged 8 times, and all of them on one
// sheet enlarged 4 times (one row per look, cells in strip order).
GALLERY_PAGE(xp_checkbox_looks)
{
    std::vector<Surface> strips;
    for (int look = 0; look < controls::kCheckBoxLookCount; ++look) {
        const Surface strip = controls::makeCheckBoxStrip(look);
        out.save("look_" + twoDigits(look), strip);
        out.save("look_" + twoDigits(look) + "_x8", enlarged(strip, 8));
        strips.push_back(enlarged(strip, 4));
    }
    out.save("all_looks_x4", sheet(strips, 1, 8));
}

// The eight faces as they are (transparent corners), and on the two background colours of the
// lesson window enlarged 8 times: faces 0-3 in the first row, 4-7 in the second.
GALLERY_PAGE(xp_radio_faces)
{
    std::vector<Surface> big;
    for (int i = 0; i < controls::kRadioFaceCount; ++i) {
        const Surface& face = controls::radioFaces()[static_cast<std::size_t>(i)];
        out.save("face_" + std::to_string(i), face);
        big.push_back(enlarged(face, 8));
    }
    out.save("faces_x8_buttonface", sheet(big, 4, 8, platform::toArgb(platform::kSysButtonFace)));
    out.save("faces_x8_followread", sheet(big, 4, 8, platform::toArgb(kFollowReadBack)));
}

// Whole controls, 73 × 17 pixels as in the lesson window, caption 宋体 10.5 pt: for each value
// a row of the four states, on the button face and on the follow-read screen's grey; every
// sheet also enlarged 3 times.
GALLERY_PAGE(xp_controls)
{
    for (const platform::OleColour back : { platform::kSysButtonFace, kFollowReadBack }) {
        const std::string suffix = back == kFollowReadBack ? "_followread" : "_buttonface";
        std::vector<Surface> boxes;
        for (int value = 0; value <= 2; ++value)
            for (int state = 0; state < 4; ++state) {
                Surface s = checkBoxIn(0, value, state, back, "显示日语");
                out.save("checkbox_v" + std::to_string(value) + "_" + kStateNames[state] + suffix, s);
                boxes.push_back(std::move(s));
            }
        const Surface boxSheet = sheet(boxes, 4, 4);
        out.save("checkbox_sheet" + suffix, boxSheet);
        out.save("checkbox_sheet" + suffix + "_x3", enlarged(boxSheet, 3));

        std::vector<Surface> radios;
        for (const bool value : { false, true })
            for (int state = 0; state < 4; ++state) {
                Surface s = radioIn(value, state, back, "基本课文");
                out.save(std::string("radio_") + (value ? "chosen" : "unchosen") + "_" + kStateNames[state] + suffix, s);
                radios.push_back(std::move(s));
            }
        const Surface radioSheet = sheet(radios, 4, 4);
        out.save("radio_sheet" + suffix, radioSheet);
        out.save("radio_sheet" + suffix + "_x3", enlarged(radioSheet, 3));
    }
    // Every look as a whole checked control, normal face.
    std::vector<Surface> looks;
    for (int look = 0; look < controls::kCheckBoxLookCount; ++look)
        looks.push_back(checkBoxIn(look, 1, 0, platform::kSysButtonFace, "外观 " + std::to_string(look)));
    const Surface lookSheet = sheet(looks, 7, 4);
    out.save("checkbox_looks_sheet_x3", enlarged(lookSheet, 3));
}
