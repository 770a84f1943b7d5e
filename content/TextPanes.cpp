#include "content/TextPanes.h"

#include "controls/xp/XpCheckBox.h"

namespace content {
namespace {

// Shows the controls when the box is being checked (its value before the click was not 1).
void applySwitch(const shell::CheckBox& box, std::initializer_list<platform::Control*> controls)
{
    const bool show = box->Value() != 1;
    for (platform::Control* c : controls)
        c->setVisible(show);
}

} // namespace

void TextPanes::xiantext()
{
    auto& c = m_x.c;
    platform::ListView& list = *c.ListView1;
    const int row = list.selectedRow();
    const bool hasRow = row >= 1;
    const std::string jp = list.cell(row, 0);
    const std::string cn = list.cell(row, 1);
    const std::string fy = hasRow ? "[" + list.cell(row, 3) + "]" : std::string();

    c.zhengwentext[0]->setText(jp);
    c.zhengwentext[1]->setText(cn);
    c.jptext->setText(c.zhengwentext[0]->text());
    c.cntext->setText(c.zhengwentext[1]->text());
    c.listlabel->setText(shell::decimal(row));
    c.listclabel->setText(shell::decimal(list.rowCount()));
    c.jplabel->setText(c.jptext->text());
    c.cnlabel->setText(c.cntext->text());
    c.fayintext[0]->setText(jp);
    c.fayintext[3]->setText(jp);
    c.fayintext[2]->setText(cn);
    c.fayintext[5]->setText(cn);
    c.fayintext[1]->setText(fy);
    c.fayintext[4]->setText(fy);
    c.fayinlabel->setText(fy);
}

void TextPanes::richeckClick() { applySwitch(m_x.c.richeck, {m_x.c.zhengwentext[0], m_x.c.fayintext[0]}); }

void TextPanes::hancheckClick() { applySwitch(m_x.c.hancheck, {m_x.c.zhengwentext[1], m_x.c.fayintext[2]}); }

void TextPanes::fycheckClick() { applySwitch(m_x.c.fycheck, {m_x.c.fayintext[1]}); }

void TextPanes::riyucheckClick()
{
    applySwitch(m_x.c.riyucheck, {m_x.c.jplabel, m_x.c.jptext, m_x.c.fayintext[3]});
    m_x.r.xiantext();
}

void TextPanes::cncheckClick()
{
    applySwitch(m_x.c.cncheck, {m_x.c.cntext, m_x.c.cnlabel, m_x.c.fayintext[5]});
    m_x.r.xiantext();
}

void TextPanes::fycheck1Click() { applySwitch(m_x.c.fycheck1, {m_x.c.fayintext[4], m_x.c.fayinlabel}); }

} // namespace content
