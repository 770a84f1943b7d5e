#include "study/StudyMenu.h"

#include "controls/button/ButtonEx.h"
#include "platform/log/ActionLog.h"
#include "study/VoiceRecording.h"

namespace study {

void StudyMenu::xuanxiangClick(int index)
{
    reset();
    switch (index) {
    case 1: followRead(); break;
    case 2: listenRead(); break;
    case 3: repeatRead(); break;
    case 4: courseChoice(); break;
    case 5: m_x.r.startSibling("Lexaro.exe"); break;
    default: break;
    }
}

void StudyMenu::reset()
{
    auto& s = m_x.s;
    auto& c = m_x.c;
    m_x.r.playEffectSound(63);
    for (s.loopIndex = 1; s.loopIndex <= 5; ++s.loopIndex) {
        c.xuanxiang1[static_cast<size_t>(s.loopIndex)]->setVisible(false);
        c.xuanxiang[static_cast<size_t>(s.loopIndex)].setVisible(true);
    }
    c.jibenbtn[10].setVisible(false);
    c.jibenbtn[0].setVisible(true);
    c.jibenbtn[3].setVisible(false);
    c.Timer1->setInterval(0);
    s.autoPlayState = 1;
    m_x.r.halt();
    c.recordframe->setVisible(false);
    m_recording.closeDevice();
    c.recordcount->setInterval(0);
}

void StudyMenu::followRead()
{
    auto& s = m_x.s;
    auto& c = m_x.c;
    s.studyMode = 1;
    c.controlframe[1]->setVisible(false);
    c.jibenbtn[1].setVisible(false);
    c.jibenbtn[2].setVisible(false);
    c.soundbtn->setEnabled(false);
    c.previewbtn->setEnabled(false);
    c.nextbtn->setEnabled(false);
    m_x.r.xiantext();
    c.genduframe->setVisible(true);
    c.miaoshulabel->setText(shell::decimal(s.pauseSeconds));
    c.cishulabel->setText(shell::decimal(s.repeatTimes));
}

void StudyMenu::listenRead()
{
    auto& c = m_x.c;
    c.xuanxiang[2].setVisible(false);
    c.xuanxiang1[2]->setVisible(true);
    c.controlframe[1]->setVisible(false);
    c.jibenbtn[1].setVisible(true);
    c.jibenbtn[2].setVisible(true);
    m_x.s.studyMode = 2;
    c.jibenbtn[10].setVisible(true);
}

void StudyMenu::repeatRead()
{
    auto& c = m_x.c;
    m_x.s.studyMode = 3;
    c.xuanxiang[3].setVisible(false);
    c.xuanxiang1[3]->setVisible(true);
    c.controlframe[1]->setVisible(true);
    c.recordframe->setVisible(true);
    c.recordlabel->setText("");
    m_recording.openDevice();
}

void StudyMenu::courseChoice()
{
    m_x.s.profileBuffer = "main";
    const std::string path = m_x.io.programFolder + "/setting/system.ini";
    auto profile = m_x.io.openProfile ? m_x.io.openProfile(path) : nullptr;
    // The course chooser starts whether or not the key could be written; a failure is logged.
    if (profile) {
        const platform::Status written = profile->write("tongji", "xuanze", m_x.s.profileBuffer);
        if (!written)
            platform::actionlog::write("settings.write.failed", written.error().message);
    }
    m_x.r.startSibling("Selvorn.exe");
    m_x.r.unloadWindow();
}

} // namespace study
