#include "study/ItemAudio.h"

#include <cmath>

#include "content/Navigation.h"
#include "controls/xp/Xp_ProgressBar.h"

namespace study {

const char* const ItemAudio::kPlayingText = "正在播放原音.........";
const char* const ItemAudio::kStoppedText = "已经停止播放原音";

long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<long>(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

bool ItemAudio::showSelected(bool soundFirst)
{
    auto& c = m_x.c;
    platform::ListView& list = *c.ListView1;
    const int row = list.selectedRow();
    if (row < 1)
        return false;
    if (soundFirst)
        c.soundlabel->setText(list.cell(row, 2));
    c.zhengwentext[0]->setText(list.cell(row, 0));
    c.zhengwentext[1]->setText(list.cell(row, 1));
    if (!soundFirst)
        c.soundlabel->setText(list.cell(row, 2));
    return true;
}

void ItemAudio::load() { content::loadClip(m_x, m_x.c.soundlabel->text()); }

void ItemAudio::wmpnoplay()
{
    if (showSelected(true))
        m_x.c.ListView1->setFocus();
}

void ItemAudio::wmpplay()
{
    if (!showSelected(true))
        return;
    load();
    platform::ItemPlayer& wmp = *m_x.io.wmp;
    wmp.play();
    wmp.hold();
    wmp.play();
    m_x.c.ListView1->setFocus();
}

void ItemAudio::wmpdiao()
{
    auto& c = m_x.c;
    if (m_x.s.autoItemIndex < 1 || m_x.s.autoItemIndex > c.ListView1->rowCount())
        return;
    m_x.s.pauseTicks = 0;
    c.Timer1->setInterval(500);
    c.ListView1->select(m_x.s.autoItemIndex);
    showSelected(false);
    load();
    m_x.io.wmp->play();
    m_x.io.wmp->hold();
}

void ItemAudio::setBarValue(double seconds)
{
    controls::Xp_ProgressBar& bar = *m_x.c.playbar;
    long v = roundHalfEven(seconds);
    // The player's position can run a little past the rounded length: never ask the bar for
    // a value it would refuse.
    if (v > bar.Max())
        v = bar.Max();
    if (v < bar.Min())
        v = bar.Min();
    bar.setValue(static_cast<std::int32_t>(v));
}

void ItemAudio::referenceAudio()
{
    auto& c = m_x.c;
    if (c.ListView1->rowCount() == 0)
        return;
    m_x.r.reachFirstRow();
    wmpplay();
    controls::Xp_ProgressBar& bar = *c.playbar;
    bar.setValue(0);
    bar.setMin(0);
    const long length = roundHalfEven(m_x.io.wmp->duration());
    bar.setMax(static_cast<std::int32_t>(length < 0 ? 0 : length));
    bar.setValue(bar.Min());
    m_x.s.progressMode = 3;
    c.recordcount->setInterval(50);
    c.playlabel->setText(kPlayingText);
}

void ItemAudio::referenceTick()
{
    auto& c = m_x.c;
    if (c.playbar->Value() == c.playbar->Max()) {
        c.recordcount->setInterval(0);
        c.playlabel->setText(kStoppedText);
    }
    setBarValue(m_x.io.wmp->currentPosition());
}

} // namespace study
