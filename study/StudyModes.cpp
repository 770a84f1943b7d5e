#include "study/StudyModes.h"

#include <algorithm>

#include "controls/button/ButtonEx.h"
#include "study/ItemAudio.h"

namespace study {

int settingFrom(const std::string& text, int fallback)
{
    const long n = shell::wholeNumber(text, fallback);
    return static_cast<int>(std::clamp<long>(n, StudyModes::kMinSetting, StudyModes::kMaxSetting));
}

void StudyModes::startPause()
{
    m_x.s.pauseTicks = 0;
    m_x.c.Timer1->setInterval(kPauseTick);
}

void StudyModes::jibenbtnClick(int index)
{
    m_x.r.playEffectSound(61);
    m_x.io.wmp->setPlayCount(1);
    switch (index) {
    case 0: startRun(); break;
    case 3: stopRun(); break;
    case 1:
    case 7:
        m_x.r.prei();
        m_x.r.xiantext();
        m_x.r.wmpnoplay();
        break;
    case 2:
    case 8:
        m_x.r.nexti();
        m_x.r.xiantext();
        m_x.r.wmpnoplay();
        break;
    case 10: listen(); break;
    case 4: m_audio.referenceAudio(); break;
    default: break;
    }
}

void StudyModes::startRun()
{
    auto& s = m_x.s;
    auto& c = m_x.c;
    c.jibenbtn[3].setVisible(true);
    c.jibenbtn[0].setVisible(false);
    c.selmag[1]->setEnabled(false);
    c.selmag[3]->setEnabled(false);
    s.autoPlayState = 1;
    c.Timer1->setInterval(0);
    m_x.r.halt();
    s.autoItemIndex = 1;
    c.ListView1->select(1);
    m_x.r.xiantext();
    m_x.r.wmpplay();
    s.autoItemIndex += 1;
    s.autoPlayState = 2;
}

void StudyModes::endOfRun()
{
    auto& c = m_x.c;
    c.jibenbtn[0].setVisible(true);
    c.jibenbtn[3].setVisible(false);
    c.selmag[1]->setEnabled(true);
    c.selmag[3]->setEnabled(true);
}

void StudyModes::stopRun()
{
    endOfRun();
    m_x.c.Timer1->setInterval(0);
    m_x.s.autoPlayState = 1;
    m_x.r.halt();
}

void StudyModes::listen()
{
    if (m_x.c.ListView1->rowCount() == 0)
        return;
    m_x.r.reachFirstRow();
    m_x.r.wmpplay();
}

void StudyModes::soundbtnClick()
{
    if (m_x.c.ListView1->rowCount() == 0)
        return;
    if (m_x.r.reachFirstRow())
        m_x.r.xiantext();
    m_x.r.wmpplay();
}

void StudyModes::nextbtnClick()
{
    m_x.r.nexti();
    m_x.r.wmpnoplay();
    m_x.r.xiantext();
}

void StudyModes::previewbtnClick()
{
    m_x.r.prei();
    m_x.r.wmpnoplay();
    m_x.r.xiantext();
}

void StudyModes::playStateChange()
{
    auto& s = m_x.s;
    const bool stopped = m_x.io.wmp->playState() == platform::ItemPlayer::kStopped;
    if (s.studyMode == 1) {
        if (!stopped || s.autoPlayState == 1)
            return;
        if (s.repeatTimes != 1) {
            if (s.repeatDone < s.repeatTimes) {
                s.repeatDone += 1;
                startPause();
                return;
            }
            s.repeatDone = 1;
        }
        if (s.autoItemIndex <= m_x.c.ListView1->rowCount()) {
            m_x.r.wmpdiao();
            m_x.c.ListView1->setFocus();
            s.autoItemIndex += 1;
        } else {
            endOfRun();
        }
    } else if (s.studyMode == 2 || s.studyMode == 3) {
        if (!stopped || s.repeatTimes == 1)
            return;
        if (s.repeatDone >= s.repeatTimes) {
            s.repeatDone = 1;
            return;
        }
        s.repeatDone += 1;
        startPause();
    }
}

void StudyModes::pauseTick()
{
    auto& s = m_x.s;
    if (s.pauseTicks >= s.pauseSeconds) {
        s.pauseTicks = 0;
        m_x.r.xiantext();
        m_x.c.Timer1->setInterval(0);
        m_x.io.wmp->play();
        return;
    }
    s.pauseTicks += 1;
}

int StudyModes::spin(platform::Control& box, platform::Control& label, int index, int current)
{
    int n = settingFrom(box.text(), current);
    if (index == 1 && n < kMaxSetting)
        ++n;
    else if (index == 2 && n > kMinSetting)
        --n;
    box.setText(shell::decimal(n));
    label.setText(shell::decimal(n));
    return n;
}

void StudyModes::cishubtnClick(int index) { m_x.s.repeatTimes = spin(*m_x.c.cishutext, *m_x.c.cishulabel, index, m_x.s.repeatTimes); }

void StudyModes::miaoshubtnClick(int index) { m_x.s.pauseSeconds = spin(*m_x.c.miaotext, *m_x.c.miaoshulabel, index, m_x.s.pauseSeconds); }

void StudyModes::selmagClick(int index)
{
    auto& c = m_x.c;
    if (index == 1) {
        m_x.s.studyMode = 2;
        c.jibenbtn[3]->setEnabled(false);
        c.jibenbtn[0]->setEnabled(false);
        c.soundbtn->setEnabled(true);
        c.previewbtn->setEnabled(true);
        c.nextbtn->setEnabled(true);
        c.selmag[0]->setVisible(true);
        c.selmag[1]->setVisible(false);
        c.selmag[2]->setVisible(false);
        c.selmag[3]->setVisible(true);
    } else if (index == 3) {
        c.jibenbtn[3]->setEnabled(true);
        c.jibenbtn[0]->setEnabled(true);
        m_x.s.studyMode = 1;
        c.soundbtn->setEnabled(false);
        c.previewbtn->setEnabled(false);
        c.nextbtn->setEnabled(false);
        c.selmag[2]->setVisible(true);
        c.selmag[1]->setVisible(true);
        c.selmag[0]->setVisible(false);
        c.selmag[3]->setVisible(false);
    }
}

} // namespace study
