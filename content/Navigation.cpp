#include "content/Navigation.h"

#include "platform/window/ControlEvent.h"

namespace content {

std::string clipPath(const std::string& programFolder, const std::string& soundName)
{
    return programFolder + "/music/" + soundName + ".mp3";
}

void loadClip(shell::WindowContext& x, const std::string& soundName)
{
    const std::string path = clipPath(x.io.programFolder, soundName);
    x.io.wmp->setFileName(path);
    const std::string problem = x.io.wmp->problem();
    if (!problem.empty() && x.io.messages)
        x.io.messages->tell("无法播放原音", "原音文件无法播放：" + path + "\n" + problem);
}

void Navigation::reach(int n)
{
    platform::ListView& list = *m_x.c.ListView1;
    list.select(n);
    m_x.c.indexlabel->setText(shell::decimal(list.selectedRow()));
}

bool Navigation::reachFirstRow()
{
    if (m_x.c.ListView1->rowCount() == 0 || !m_x.c.indexlabel->text().empty())
        return false;
    reach(1);
    return true;
}

void Navigation::step(int delta)
{
    platform::ListView& list = *m_x.c.ListView1;
    if (list.rowCount() == 0 || reachFirstRow())
        return;
    // There is no wrap-around: past either end nothing moves.
    const long target = shell::wholeNumber(m_x.c.indexlabel->text()) + delta;
    if (target >= 1 && target <= list.rowCount())
        reach(static_cast<int>(target));
}

void Navigation::listClick()
{
    platform::ListView& list = *m_x.c.ListView1;
    const int row = list.selectedRow();
    if (row < 1)
        return;
    m_x.c.indexlabel->setText(shell::decimal(row));
    m_x.c.soundlabel->setText(list.cell(row, 2));
    m_x.r.xiantext();
}

void Navigation::listKeyUp(int keyCode)
{
    if (m_x.s.studyMode != 2 && m_x.s.studyMode != 3)
        return;
    if (keyCode != platform::keys::kUp && keyCode != platform::keys::kDown)
        return;
    listClick();
}

void Navigation::listDblClick()
{
    platform::ListView& list = *m_x.c.ListView1;
    const int row = list.selectedRow();
    if (row < 1)
        return;
    listClick();
    if (m_x.s.studyMode != 2 && m_x.s.studyMode != 3)
        return;
    m_x.c.soundlabel->setText(list.cell(row, 2));
    loadClip(m_x, m_x.c.soundlabel->text());
    platform::ItemPlayer& wmp = *m_x.io.wmp;
    wmp.play();
    wmp.hold();
    wmp.play();
}

} // namespace content
