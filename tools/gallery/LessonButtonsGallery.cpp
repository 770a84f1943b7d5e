// Gallery page "lesson_buttons": the lesson window's 31 buttons as its description stores
// them, each in Up, Over, Down and Disabled, on the colour of the window behind them (the
// skins' pure-blue outside shows as that colour). One PNG per button and state, and
// "sheet.png" with all of them labelled.

#include "tools/gallery/Gallery.h"

#include <algorithm>
#include <vector>

#include "controls/button/ButtonEx.h"
#include "platform/draw/Artwork.h"
#include "platform/window/CustomControl.h"
#include "platform/window/FormLoader.h"
#include "shell/ControlFactory.h"

namespace {

using platform::Surface;

const platform::FontInfo kLabelFont{"DejaVu Sans", 7.5, 400, 0};
constexpr platform::Argb kBehind = platform::rgb(236, 233, 216);
constexpr int kGap = 8;
constexpr int kLabelHeight = 14;

// The button's face over the window colour, its outline's holes showing that colour.
Surface onWindow(const Surface& face, const platform::CustomControl& host)
{
    Surface out(face.width(), face.height(), kBehind);
    out.drawOver(face, {0, 0});
    if (const Surface* mask = host.shapeMask())
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                if ((mask->pixel(x, y) & 0x00FFFFFFu) == (host.shapeKey() & 0x00FFFFFFu))
                    out.setPixel(x, y, kBehind);
    return out;
}

} // namespace

GALLERY_PAGE(lesson_buttons)
{
    auto loaded = platform::loadForm(shell::lessonWindowDescription(), platform::FormServices{}, shell::makeHostedControl,
                                     [](const std::string& name) { return platform::loadArtwork(name); });
    if (!loaded)
        return;
    const auto& form = *loaded.value();
    struct Row {
        std::string name;
        std::vector<Surface> states;
    };
    std::vector<Row> rows;
    const char* stateNames[] = {"up", "over", "down", "disabled"};
    for (const auto& c : form.controls()) {
        auto* host = dynamic_cast<platform::CustomControl*>(c.get());
        auto* button = host ? host->as<controls::ButtonEx>() : nullptr;
        if (!button)
            continue;
        Row row{c->displayName(), {}};
        button->setEnabled(true);
        for (int value : {1, 2, 0}) {
            button->setValue(value); // the stored number is drawn as that state
            row.states.push_back(onWindow(button->surface(), *host));
        }
        button->setValue(1);
        button->setEnabled(false);
        row.states.push_back(onWindow(button->surface(), *host));
        for (size_t i = 0; i < row.states.size(); ++i)
            out.save(row.name + "_" + stateNames[i], row.states[i]);
        rows.push_back(std::move(row));
    }
    int cell = 0, rowHeight = 0;
    for (const Row& r : rows)
        for (const Surface& s : r.states) {
            cell = std::max(cell, s.width());
            rowHeight = std::max(rowHeight, s.height());
        }
    const int nameWidth = 110;
    const int columns = 4;
    Surface sheet(nameWidth + columns * (cell + kGap) + kGap, kLabelHeight + static_cast<int>(rows.size()) * (rowHeight + kGap) + kGap,
                  platform::rgb(255, 255, 255));
    for (int i = 0; i < columns; ++i)
        sheet.drawText(stateNames[i], {nameWidth + i * (cell + kGap), 0}, kLabelFont, platform::rgb(0, 0, 0));
    for (size_t r = 0; r < rows.size(); ++r) {
        const int y = kLabelHeight + static_cast<int>(r) * (rowHeight + kGap);
        sheet.drawText(rows[r].name, {4, y + 4}, kLabelFont, platform::rgb(0, 0, 0));
        for (size_t i = 0; i < rows[r].states.size(); ++i)
            sheet.copyFrom(rows[r].states[i], {0, 0, rows[r].states[i].width(), rows[r].states[i].height()},
                           {nameWidth + static_cast<int>(i) * (cell + kGap), y});
    }
    out.save("sheet", sheet);
}
