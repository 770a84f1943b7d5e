#include "shell/Chrome.h"

#include "controls/button/ButtonEx.h"
#include "platform/window/Form.h"

namespace shell {

void Chrome::loadMirror()
{
    m_following = true;
    m_mirror.setVisible(true);
    mirrorTick();
}

void Chrome::mirrorTick()
{
    if (!m_following)
        return;
    if (m_mirror.windowState() == platform::Form::WindowState::Minimized) {
        m_main.setWindowState(platform::Form::WindowState::Minimized);
        m_main.setVisible(false);
    }
    if (m_mirror.windowState() == platform::Form::WindowState::Normal) {
        m_main.setWindowState(platform::Form::WindowState::Normal);
        m_main.setVisible(true);
        m_following = false;
    }
}

void Chrome::backgroundMouseDown(int button)
{
    if (button == 1)
        m_main.beginSystemMove();
}

void Chrome::minimizeClick()
{
    m_x.r.playEffectSound(61);
    m_following = true;
    m_mirror.setWindowState(platform::Form::WindowState::Minimized);
    // The proxy's next tick finds it minimised.
    mirrorTick();
}

void Chrome::backToLauncher()
{
    m_x.r.playEffectSound(61);
    m_following = false;
    m_x.s.autoPlayState = 1;
    m_x.r.halt();
    m_x.r.startSibling("Tovanel.exe");
    m_x.r.unloadWindow();
}

void Chrome::restFollowReadScreen()
{
    auto& c = m_x.c;
    c.genduframe->setVisible(false);
    c.selmag[0]->setVisible(false);
    c.selmag[1]->setVisible(true);
    c.selmag[2]->setVisible(true);
    c.selmag[3]->setVisible(false);
    c.selmag[1]->setEnabled(true);
    c.selmag[3]->setEnabled(true);
    c.jibenbtn[3]->setEnabled(true);
    c.jibenbtn[0]->setEnabled(true);
}

void Chrome::exit1Click()
{
    m_x.r.playEffectSound(61);
    m_following = false;
    m_x.s.autoPlayState = 1;
    m_x.r.halt();
    restFollowReadScreen();
}

void Chrome::backbtn1Click()
{
    m_x.r.playEffectSound(63);
    restFollowReadScreen();
}

void Chrome::helpbtnClick()
{
    m_x.r.playEffectSound(63);
    m_x.r.startSibling("Nuvessa.exe");
}

} // namespace shell
