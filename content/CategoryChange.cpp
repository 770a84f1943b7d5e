#include "content/CategoryChange.h"

#include "controls/button/ButtonEx.h"
#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpRadioButton.h"

namespace content {

const char* CategoryChange::partName(int index)
{
    switch (index % 3) {
    case 0: return "基本课文";
    case 1: return "应用课文";
    default: return "单词";
    }
}

void CategoryChange::gotFocus(int index)
{
    auto& s = m_x.s;
    auto& c = m_x.c;
    if (index < 0 || index > 5)
        return;
    m_x.r.playEffectSound(61);
    c.jibenbtn[0].setVisible(true);
    c.jibenbtn[3].setVisible(false);
    c.fayinframe->setVisible(false);
    c.fayinframe1->setVisible(false);
    c.fycheck1->setEnabled(false);
    c.fayinlabel->setVisible(false);

    c.Timer1->setInterval(0);
    s.autoPlayState = 1;
    m_x.r.halt();
    // Ending a run makes the browse selector usable again, as the run's own stop button does.
    c.selmag[1]->setEnabled(true);
    c.selmag[3]->setEnabled(true);

    for (s.loopIndex = 0; s.loopIndex <= 5; ++s.loopIndex)
        c.ddanxuan[static_cast<size_t>(s.loopIndex)]->setValue(false);

    const int twin = index < 3 ? index + 3 : index - 3;
    s.lessonId = c.kechenglabel->text() + partName(index);
    c.ddanxuan[static_cast<size_t>(twin)]->setValue(true);
    if (index % 3 == 2) {
        c.fayinframe->setVisible(true);
        c.fayinframe1->setVisible(true);
        c.fycheck1->setEnabled(true);
        if (index == 5)
            c.fayinlabel->setVisible(c.fycheck1->Value() == 1);
    }

    m_x.r.loadPart();

    s.autoItemIndex = 1;
    c.indexlabel->setText("");
    c.ListView1->select(s.autoItemIndex);
    m_x.r.xiantext();
}

} // namespace content
