#include "platform/draw/QtDraw.h"

#include <QStringList>

namespace platform {

void installFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QString sc = QStringLiteral("Noto Serif CJK SC");
    const QString jp = QStringLiteral("Noto Serif CJK JP");
    for (const char* name : {"宋体", "SimSun", "新宋体", "NSimSun", "楷体_GB2312"})
        QFont::insertSubstitution(QString::fromUtf8(name), sc);
    for (const char* name : {"MS Mincho", "ＭＳ 明朝", "MS PMincho", "ＭＳ Ｐ明朝"})
        QFont::insertSubstitution(QString::fromUtf8(name), jp);
    for (const char* name : {"黑体", "SimHei", "微软雅黑", "Microsoft YaHei"})
        QFont::insertSubstitution(QString::fromUtf8(name), QStringLiteral("Noto Sans CJK SC"));
}

QFont qtFont(const FontInfo& font)
{
    installFontSubstitutions();
    QFont f(qs(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 9.0);
    f.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace platform
