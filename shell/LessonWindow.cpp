#include "shell/LessonWindow.h"

#include "controls/button/ButtonEx.h"
#include "controls/xp/XpCheckBox.h"
#include "controls/xp/XpRadioButton.h"
#include "controls/xp/Xp_ProgressBar.h"
#include "platform/log/ActionLog.h"
#include "platform/window/Form.h"
#include "platform/window/Region.h"

namespace shell {
namespace {

// Collects the names of controls the form lacks while binding.
struct Binder {
    platform::Form& form;
    std::string missing;

    platform::Control* plain(const char* name, int index = -1)
    {
        platform::Control* c = form.find(name, index);
        if (!c)
            note(name, index);
        return c;
    }
    template <typename T>
    T* typed(const char* name, int index = -1)
    {
        T* c = form.findAs<T>(name, index);
        if (!c)
            note(name, index);
        return c;
    }
    template <typename T>
    void hosted(Hosted<T>& out, const char* name, int index = -1)
    {
        out.host = form.findAs<platform::CustomControl>(name, index);
        out.control = out.host ? out.host->template as<T>() : nullptr;
        if (!out.control)
            note(name, index);
    }
    void note(const char* name, int index)
    {
        missing += missing.empty() ? "" : ", ";
        missing += name;
        if (index >= 0)
            missing += "(" + std::to_string(index) + ")";
    }
};

// The lesson window's design size, should the form lack one.
constexpr int kDesignWidth = 12000;
constexpr int kDesignHeight = 9000;
constexpr int kCornerEllipse = 28;

// The lesson title when the settings file has none.
constexpr const char* kDefaultTitle = "Lesson1  家庭问候";

} // namespace

LessonWindow::LessonWindow(platform::Form& main, platform::Form& mirror, WindowServices services)
    : m_main(main),
      m_mirrorForm(mirror),
      m_io(std::move(services)),
      m_context{m_state, m_controls, m_io, *this},
      m_data(m_io.openStore),
      m_effects(m_context),
      m_panes(m_context),
      m_navigation(m_context),
      m_category(m_context),
      m_audio(m_context),
      m_modes(m_context, m_audio),
      m_recording(m_context),
      m_menu(m_context, m_recording),
      m_chrome(m_context, main, mirror)
{
}

LessonWindow::~LessonWindow()
{
    if (m_io.wmp)
        m_io.wmp->setOnPlayStateChange(nullptr);
}

platform::Status LessonWindow::bind()
{
    Binder b{m_main, {}};
    WindowControls& c = m_controls;
    c.mainmag = b.plain("mainmag");
    for (int i = 0; i < 2; ++i) {
        c.kechengminglabel[static_cast<size_t>(i)] = b.plain("kechengminglabel", i);
        c.controlframe[static_cast<size_t>(i)] = b.plain("controlframe", i);
        c.zhengwentext[static_cast<size_t>(i)] = b.plain("zhengwentext", i);
        c.Image1[static_cast<size_t>(i)] = b.plain("Image1", i);
        c.fayinmag[static_cast<size_t>(i)] = b.plain("fayinmag", i);
        b.hosted(c.Minimize[static_cast<size_t>(i)], "Minimize", i);
        b.hosted(c.exit[static_cast<size_t>(i)], "exit", i);
        b.hosted(c.helpbtn[static_cast<size_t>(i)], "helpbtn", i);
    }
    for (int i = 0; i < 6; ++i) {
        b.hosted(c.ddanxuan[static_cast<size_t>(i)], "ddanxuan", i);
        c.fayintext[static_cast<size_t>(i)] = b.plain("fayintext", i);
    }
    for (int i = 1; i <= 5; ++i) {
        b.hosted(c.xuanxiang[static_cast<size_t>(i)], "xuanxiang", i);
        c.xuanxiang1[static_cast<size_t>(i)] = b.plain("xuanxiang1", i);
    }
    for (int i : {0, 1, 2, 3, 4, 7, 8, 10})
        b.hosted(c.jibenbtn[static_cast<size_t>(i)], "jibenbtn", i);
    for (int i = 0; i < 4; ++i) {
        c.Label1[static_cast<size_t>(i)] = b.plain("Label1", i);
        c.selmag[static_cast<size_t>(i)] = b.plain("selmag", i);
    }
    for (int i = 1; i <= 2; ++i) {
        b.hosted(c.cishubtn[static_cast<size_t>(i)], "cishubtn", i);
        b.hosted(c.miaoshubtn[static_cast<size_t>(i)], "miaoshubtn", i);
    }
    b.hosted(c.richeck, "richeck");
    b.hosted(c.hancheck, "hancheck");
    b.hosted(c.fycheck, "fycheck");
    b.hosted(c.riyucheck, "riyucheck");
    b.hosted(c.cncheck, "cncheck");
    b.hosted(c.fycheck1, "fycheck1");
    b.hosted(c.playbar, "playbar");
    b.hosted(c.recordbar, "recordbar");
    b.hosted(c.backbtn, "backbtn");
    b.hosted(c.backbtn1, "backbtn1");
    b.hosted(c.startrec, "startrec");
    b.hosted(c.stoprec, "stoprec");
    b.hosted(c.playrec, "playrec");
    b.hosted(c.soundbtn, "soundbtn");
    b.hosted(c.previewbtn, "previewbtn");
    b.hosted(c.nextbtn, "nextbtn");
    c.Picture2 = b.plain("Picture2");
    c.ListView1 = b.typed<platform::ListView>("ListView1");
    c.riyumag = b.plain("riyumag");
    c.hanyumag = b.plain("hanyumag");
    c.fayinframe = b.plain("fayinframe");
    c.recordframe = b.plain("recordframe");
    c.genduframe = b.plain("genduframe");
    c.cishutext = b.plain("cishutext");
    c.miaotext = b.plain("miaotext");
    c.recordmag = b.plain("recordmag");
    c.playlabel = b.plain("playlabel");
    c.recordlabel = b.plain("recordlabel");
    c.lenlabel = b.plain("lenlabel");
    c.gendumag = b.plain("gendumag");
    c.jplabel = b.plain("jplabel");
    c.fayinlabel = b.plain("fayinlabel");
    c.cnlabel = b.plain("cnlabel");
    c.cishulabel = b.plain("cishulabel");
    c.miaoshulabel = b.plain("miaoshulabel");
    c.jptext = b.plain("jptext");
    c.cntext = b.plain("cntext");
    c.listlabel = b.plain("listlabel");
    c.listclabel = b.plain("listclabel");
    c.fayinframe1 = b.plain("fayinframe1");
    c.indexlabel = b.plain("indexlabel");
    c.soundlabel = b.plain("soundlabel");
    c.kechenglabel = b.plain("kechenglabel");
    c.keyilabel = b.plain("keyilabel");
    c.tbktlabel = b.plain("tbktlabel");
    c.sslabel = b.plain("sslabel");
    c.Timer1 = b.typed<platform::TimerControl>("Timer1");
    c.recordcount = b.typed<platform::TimerControl>("recordcount");
    if (!b.missing.empty())
        return platform::Error{platform::Error::Code::BadFormat, "the lesson window lacks the controls " + b.missing};
    wire();
    return platform::success();
}

void LessonWindow::wire()
{
    WindowControls& c = m_controls;
    // The Click of a plain control, or of a self-drawn one (raised by its place in the form).
    auto onClick = [](platform::Control* control, std::function<void()> handler) {
        control->on("Click", [handler = std::move(handler)](const platform::ControlEvent&) { handler(); });
    };
    auto onButton = [&onClick](const auto& hosted, std::function<void()> handler) { onClick(hosted.host, std::move(handler)); };

    for (platform::Control* background : {c.mainmag, c.gendumag})
        background->on("MouseDown", [this](const platform::ControlEvent& e) { m_chrome.backgroundMouseDown(e.button); });

    onClick(c.ListView1, [this] { m_navigation.listClick(); });
    c.ListView1->on("KeyUp", [this](const platform::ControlEvent& e) { m_navigation.listKeyUp(e.keyCode); });
    c.ListView1->on("DblClick", [this](const platform::ControlEvent&) { m_navigation.listDblClick(); });

    onButton(c.richeck, [this] { m_panes.richeckClick(); });
    onButton(c.hancheck, [this] { m_panes.hancheckClick(); });
    onButton(c.fycheck, [this] { m_panes.fycheckClick(); });
    onButton(c.riyucheck, [this] { m_panes.riyucheckClick(); });
    onButton(c.cncheck, [this] { m_panes.cncheckClick(); });
    onButton(c.fycheck1, [this] { m_panes.fycheck1Click(); });

    for (int i = 0; i < 6; ++i)
        c.ddanxuan[static_cast<size_t>(i)].host->on("GotFocus", [this, i](const platform::ControlEvent&) { m_category.gotFocus(i); });
    for (int i = 1; i <= 5; ++i)
        onButton(c.xuanxiang[static_cast<size_t>(i)], [this, i] { m_menu.xuanxiangClick(i); });
    for (int i : {0, 1, 2, 3, 4, 7, 8, 10})
        onButton(c.jibenbtn[static_cast<size_t>(i)], [this, i] { m_modes.jibenbtnClick(i); });
    onButton(c.soundbtn, [this] { m_modes.soundbtnClick(); });
    onButton(c.nextbtn, [this] { m_modes.nextbtnClick(); });
    onButton(c.previewbtn, [this] { m_modes.previewbtnClick(); });
    for (int i = 1; i <= 2; ++i) {
        onButton(c.cishubtn[static_cast<size_t>(i)], [this, i] { m_modes.cishubtnClick(i); });
        onButton(c.miaoshubtn[static_cast<size_t>(i)], [this, i] { m_modes.miaoshubtnClick(i); });
    }
    for (int i = 0; i < 4; ++i)
        onClick(c.selmag[static_cast<size_t>(i)], [this, i] { m_modes.selmagClick(i); });
    onButton(c.startrec, [this] { m_recording.startrecClick(); });
    onButton(c.stoprec, [this] { m_recording.stoprecClick(); });
    onButton(c.playrec, [this] { m_recording.playrecClick(); });

    for (int i = 0; i < 2; ++i) {
        onButton(c.Minimize[static_cast<size_t>(i)], [this] { m_chrome.minimizeClick(); });
        onButton(c.helpbtn[static_cast<size_t>(i)], [this] { m_chrome.helpbtnClick(); });
    }
    onButton(c.exit[0], [this] { m_chrome.backToLauncher(); });
    onButton(c.backbtn, [this] { m_chrome.backToLauncher(); });
    onButton(c.exit[1], [this] { m_chrome.exit1Click(); });
    onButton(c.backbtn1, [this] { m_chrome.backbtn1Click(); });

    c.Timer1->on("Timer", [this](const platform::ControlEvent&) { m_modes.pauseTick(); });
    c.recordcount->on("Timer", [this](const platform::ControlEvent&) { recordcountTick(); });
    if (m_io.wmp)
        m_io.wmp->setOnPlayStateChange([this](int, int) {
            if (!m_unloaded)
                m_modes.playStateChange();
        });

    m_main.on("Unload", [this](const platform::ControlEvent&) { formUnload(); });
    m_mirrorForm.on("Unload", [this](const platform::ControlEvent&) {
        m_unloaded = true;
        if (m_io.endProgram)
            m_io.endProgram();
    });
    m_mirrorForm.on("WindowStateChange", [this](const platform::ControlEvent&) { m_chrome.mirrorTick(); });
}

void LessonWindow::recordcountTick()
{
    switch (m_state.progressMode) {
    case 1:
    case 2: m_recording.monitorTick(); break;
    case 3: m_audio.referenceTick(); break;
    default: break;
    }
}

void LessonWindow::setDatabasePath(const std::string& path) { m_data.setDatabaseName(path); }

void LessonWindow::readSettings()
{
    WindowState& s = m_state;
    WindowControls& c = m_controls;
    const std::string path = m_io.programFolder + "/setting/system.ini";
    std::unique_ptr<platform::ProfileFile> profile = m_io.openProfile ? m_io.openProfile(path) : nullptr;
    auto read = [&](const char* section, const char* key, const char* fallback) {
        std::string value = profile ? profile->read(section, key, fallback) : std::string(fallback);
        // The buffer holds the value followed by NUL characters.
        s.profileBuffer = value;
        s.profileBuffer.resize(std::max<size_t>(value.size(), 255), '\0');
        return value;
    };
    c.kechenglabel->setText(read("study", "kecheng", "dext1"));
    const std::string title = read("setting", "kechengming", kDefaultTitle);
    c.kechengminglabel[1]->setText(title);
    c.kechengminglabel[0]->setText(title);
    c.keyilabel->setText(read("setting", "yinfou", "0"));
    if (c.keyilabel->text() == "0") {
        c.ddanxuan[5].setVisible(false);
        c.ddanxuan[2].setVisible(false);
    }
    c.tbktlabel->setText(read("study", "tbkt", "1"));
    // A study mode that is not 1, 2 or 3 (or not a number at all) starts in follow-read.
    const long mode = wholeNumber(c.tbktlabel->text(), 1);
    s.studyMode = (mode >= 1 && mode <= 3) ? static_cast<int>(mode) : 1;
    c.sslabel->setText(read("study", "kewen", "dext1"));
}

void LessonWindow::runQuery(bool clearFirst, bool rewind)
{
    WindowState& s = m_state;
    s.lessonQuery = "SELECT * FROM " + s.lessonTable + " WHERE id = " + "'" + s.lessonId + "'";
    m_data.setRecordSource(s.lessonQuery, s.lessonTable, s.lessonId);
    if (clearFirst)
        m_controls.ListView1->clear();
    if (!m_data.refresh()) {
        if (m_io.messages)
            m_io.messages->tell("无法读取课程数据", "课程数据文件无法读取：" + m_data.databaseName() + "\n" + m_data.error());
    } else if (m_data.rowCount() == 0 && m_io.messages) {
        // An empty list is no lesson: say which part the file lacks.
        m_io.messages->tell("没有课程内容", "课程数据文件中没有“" + s.lessonId + "”的内容：" + m_data.databaseName());
    }
    m_data.fillList(*m_controls.ListView1, 3, s.newItem);
    if (rewind)
        m_data.moveFirst();
}

void LessonWindow::loadPart() { runQuery(true, true); }

void LessonWindow::halt()
{
    if (m_io.wmp)
        m_io.wmp->halt();
}

void LessonWindow::startSibling(const char* fileName)
{
    const std::string path = m_io.programFolder + "/" + fileName;
    const platform::Status started = m_io.launcher ? m_io.launcher->start(path) : platform::Status(platform::Error{{}, "no launcher"});
    if (started)
        return;
    platform::actionlog::write("sibling.failed", started.error().message);
    // The help viewer and the dictionary are asked for by the learner: say why nothing came.
    const std::string name = fileName;
    if (m_io.messages && (name == "Nuvessa.exe" || name == "Lexaro.exe"))
        m_io.messages->tell(name == "Nuvessa.exe" ? "无法打开帮助" : "无法打开日语辞典", "程序无法启动：" + path + "\n" + started.error().message);
}

void LessonWindow::formLoad()
{
    WindowState& s = m_state;
    WindowControls& c = m_controls;

    // 1. The outline: a rounded rectangle with 28 × 28 corner ellipses, less an empty
    // ellipse, handed to the window, which keeps it.
    const int w = platform::twipsToPixels(m_main.width() > 0 ? m_main.width() : kDesignWidth);
    const int h = platform::twipsToPixels(m_main.height() > 0 ? m_main.height() : kDesignHeight);
    const platform::Region outline = platform::Region::roundRect(0, 0, w, h, kCornerEllipse, kCornerEllipse);
    const platform::Region hole = platform::Region::ellipse(0, 0, 0, 0);
    m_main.setShape(outline.subtracted(hole));
    s.shapeRegion = s.outlineRegion = s.holeRegion = 0;

    // 2, 3. Effect sounds on; the proxy comes up (it shows this window once loading ends).
    s.effectSoundOn = true;
    m_mirrorForm.setVisible(true);

    // 4, 5.
    c.richeck->setValue(1);
    c.hancheck->setValue(1);
    setDatabasePath(m_io.programFolder + "/data/shuju.dat");

    // 6, 7.
    s.pauseSeconds = study::settingFrom(c.miaotext->text(), 1);
    s.repeatTimes = study::settingFrom(c.cishutext->text(), 1);
    s.repeatDone = 1;
    s.autoItemIndex = 1;
    s.autoPlayState = 2;
    s.profileBuffer.assign(255, '\0');

    // 8-11. The settings, then the part chosen last.
    readSettings();
    s.lessonId = c.kechenglabel->text() + c.sslabel->text();
    s.lessonTable = "study";
    runQuery(false, false);

    // 12, 13. Columns, then the rows were filled by the query above.
    platform::ListView& list = *c.ListView1;
    list.addColumn("日文", list.width() / 2);
    list.addColumn("中文", list.width() / 2);
    list.addColumn("sound");
    list.addColumn("fy");

    // 14. Row 1 in the two large panes; indexlabel stays empty.
    list.select(1);
    c.zhengwentext[0]->setText(list.cell(1, 0));
    c.zhengwentext[1]->setText(list.cell(1, 1));
    c.soundlabel->setText(list.cell(1, 2));

    // 15-18. Menu and study buttons at rest, the player halted and set to play once.
    for (s.loopIndex = 1; s.loopIndex <= 4; ++s.loopIndex) {
        c.xuanxiang1[static_cast<size_t>(s.loopIndex)]->setVisible(false);
        c.xuanxiang[static_cast<size_t>(s.loopIndex)].setVisible(true);
    }
    c.jibenbtn[10].setVisible(false);
    c.jibenbtn[0].setVisible(true);
    c.jibenbtn[3].setVisible(false);
    c.Timer1->setInterval(0);
    s.autoPlayState = 1;
    halt();
    if (m_io.wmp)
        m_io.wmp->setPlayCount(1);

    // The proxy's first tick finds it in its normal state and shows this window.
    m_chrome.loadMirror();
}

void LessonWindow::formUnload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_state.shapeRegion = m_state.outlineRegion = m_state.holeRegion = 0;
    if (m_io.endProgram)
        m_io.endProgram();
}

} // namespace shell
