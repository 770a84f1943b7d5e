#pragma once

#include <array>

#include "platform/window/Control.h"
#include "platform/window/CustomControl.h"
#include "platform/window/ListView.h"
#include "platform/window/TimerControl.h"

namespace controls {
class ButtonEx;
class XpCheckBox;
class XpRadioButton;
class Xp_ProgressBar;
} // namespace controls

namespace shell {

// A self-drawn control of the window: its place in the form (Visible, focus) and the control
// itself (its own properties, reached with ->).
template <typename T>
struct Hosted {
    platform::CustomControl* host = nullptr;
    T* control = nullptr;

    T* operator->() const { return control; }
    T& operator*() const { return *control; }
    bool visible() const { return host->visible(); }
    void setVisible(bool visible) const { host->setVisible(visible); }
    explicit operator bool() const { return host && control; }
};

using Button = Hosted<controls::ButtonEx>;
using CheckBox = Hosted<controls::XpCheckBox>;
using RadioButton = Hosted<controls::XpRadioButton>;
using ProgressBar = Hosted<controls::Xp_ProgressBar>;
using Control = platform::Control*;

// Every control of the lesson window the logic addresses, by its name; arrays are indexed by
// the control's own index (members an array lacks stay empty). Bound once from the form.
struct WindowControls {
    // Main view.
    Control mainmag = nullptr;
    std::array<Control, 2> kechengminglabel{};
    std::array<RadioButton, 6> ddanxuan{};
    CheckBox richeck, hancheck, fycheck;
    Control Picture2 = nullptr;
    platform::ListView* ListView1 = nullptr;
    std::array<Button, 6> xuanxiang{};  // 1..5
    std::array<Control, 6> xuanxiang1{}; // 1..5
    std::array<Control, 2> controlframe{};
    Control riyumag = nullptr, hanyumag = nullptr;
    std::array<Control, 2> zhengwentext{};
    Control fayinframe = nullptr, fayinframe1 = nullptr, recordframe = nullptr, genduframe = nullptr;
    std::array<Button, 2> Minimize{}, exit{}, helpbtn{};
    Button backbtn, backbtn1;

    // Listen-read and repeat-read bars.
    std::array<Control, 2> Image1{};
    std::array<Button, 11> jibenbtn{}; // 0, 1, 2, 3, 4, 7, 8, 10
    std::array<Control, 4> Label1{};
    Control cishutext = nullptr, miaotext = nullptr;
    std::array<Button, 3> cishubtn{}, miaoshubtn{}; // 1 plus, 2 minus

    // Pronunciation frames and recording panel.
    std::array<Control, 2> fayinmag{};
    std::array<Control, 6> fayintext{};
    Control recordmag = nullptr;
    ProgressBar playbar, recordbar;
    Control playlabel = nullptr, recordlabel = nullptr, lenlabel = nullptr;
    Button startrec, stoprec, playrec;

    // Follow-read screen.
    Control gendumag = nullptr;
    CheckBox riyucheck, cncheck, fycheck1;
    Control jplabel = nullptr, fayinlabel = nullptr, cnlabel = nullptr;
    Button soundbtn, previewbtn, nextbtn;
    Control cishulabel = nullptr, miaoshulabel = nullptr;
    std::array<Control, 4> selmag{};
    Control jptext = nullptr, cntext = nullptr, listlabel = nullptr, listclabel = nullptr;

    // Storage labels and timers.
    Control indexlabel = nullptr, soundlabel = nullptr, kechenglabel = nullptr, keyilabel = nullptr, tbktlabel = nullptr, sslabel = nullptr;
    platform::TimerControl* Timer1 = nullptr;
    platform::TimerControl* recordcount = nullptr;
};

} // namespace shell
