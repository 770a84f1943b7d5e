#pragma once

#include "content/CategoryChange.h"
#include "content/LessonData.h"
#include "content/Navigation.h"
#include "content/TextPanes.h"
#include "shell/Chrome.h"
#include "shell/EffectSounds.h"
#include "shell/WindowContext.h"
#include "study/ItemAudio.h"
#include "study/StudyMenu.h"
#include "study/StudyModes.h"
#include "study/VoiceRecording.h"

#include <memory>

namespace platform {
class Form;
}

namespace shell {

// The lesson window `main` and its taskbar proxy `mirror`: binds the window's controls by
// name, wires every handler, runs the start-up (formLoad) and the end (formUnload), and
// gives the shared routines to the part that owns each. The forms and back ends are made by
// the caller; the window owns only its state and its parts.
class LessonWindow : public WindowRoutines {
public:
    LessonWindow(platform::Form& main, platform::Form& mirror, WindowServices services);
    ~LessonWindow() override;

    // Binds the controls and wires the handlers; fails naming a control the form lacks.
    platform::Status bind();

    // The start-up, in its steps; the window is shown when it returns.
    void formLoad();
    // The end: the outline is let go and the program ends at once.
    void formUnload();

    WindowState& state() { return m_state; }
    WindowControls& controls() { return m_controls; }
    const content::LessonData& data() const { return m_data; }
    Chrome& chrome() { return m_chrome; }

    // WindowRoutines
    void xiantext() override { m_panes.xiantext(); }
    void nexti() override { m_navigation.nexti(); }
    void prei() override { m_navigation.prei(); }
    bool reachFirstRow() override { return m_navigation.reachFirstRow(); }
    void wmpnoplay() override { m_audio.wmpnoplay(); }
    void wmpplay() override { m_audio.wmpplay(); }
    void wmpdiao() override { m_audio.wmpdiao(); }
    void playEffectSound(int code) override { m_effects.playEffectSound(code); }
    void halt() override;
    void loadPart() override;
    void startSibling(const char* fileName) override;
    void unloadWindow() override { formUnload(); }

private:
    void wire();
    void setDatabasePath(const std::string& path);
    void readSettings();
    // Runs the query for lessonId and fills the list; CLEAR_FIRST and REWIND as the category
    // change does them (the start-up does neither).
    void runQuery(bool clearFirst, bool rewind);
    void recordcountTick();

    platform::Form& m_main;
    platform::Form& m_mirrorForm;
    WindowServices m_io;
    WindowState m_state;
    WindowControls m_controls;
    WindowContext m_context;
    content::LessonData m_data;
    EffectSounds m_effects;
    content::TextPanes m_panes;
    content::Navigation m_navigation;
    content::CategoryChange m_category;
    study::ItemAudio m_audio;
    study::StudyModes m_modes;
    study::VoiceRecording m_recording;
    study::StudyMenu m_menu;
    Chrome m_chrome;
    bool m_unloaded = false;
};

} // namespace shell
