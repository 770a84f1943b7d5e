#include "study/VoiceRecording.h"

#include "controls/button/ButtonEx.h"
#include "controls/xp/Xp_ProgressBar.h"
#include "platform/log/ActionLog.h"

namespace study {

const char* const VoiceRecording::kRecordingText = "正在进行录音.......";
const char* const VoiceRecording::kStoppedText = "已经停止录音.......";
const char* const VoiceRecording::kPlayingText = "正在播放录音.......";

namespace {
const char* const kCannotRecord = "无法录音：";
}

void VoiceRecording::cannotRecord(const std::string& why)
{
    const std::string text = kCannotRecord + why;
    m_x.c.recordlabel->setText(text);
    // What the panel tells the learner goes to the log as well.
    platform::actionlog::write("record.status", text);
}

void VoiceRecording::send(const char* command) { (void)m_x.io.mmc->command(command); }

void VoiceRecording::openDevice()
{
    platform::RecordingDevice& mmc = *m_x.io.mmc;
    mmc.setNotify(false);
    mmc.setWait(true);
    mmc.setShareable(false);
    mmc.setDeviceType("WaveAudio");
    std::string folder = m_x.io.programFolder;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    m_x.s.recordFolder = folder;
    send("close");
    mmc.setFileName(m_x.s.recordFolder + "Recorder.wav");
    const platform::Status opened = mmc.command("open");
    m_openError = opened ? std::string() : opened.error().message;
    m_x.c.playrec->setEnabled(false);
    if (!m_openError.empty())
        cannotRecord(m_openError);
}

void VoiceRecording::closeDevice() { send("close"); }

bool VoiceRecording::reportUnusable()
{
    if (m_x.io.mmc->mode() != platform::RecordingDevice::Mode::NotOpen)
        return false;
    cannotRecord(m_openError.empty() ? std::string("录音设备没有打开") : m_openError);
    return true;
}

void VoiceRecording::startrecClick()
{
    if (reportUnusable())
        return;
    auto& c = m_x.c;
    send("Prev");
    c.playrec->setEnabled(false);
    controls::Xp_ProgressBar& bar = *c.recordbar;
    bar.setStyle(1);
    bar.setMin(0);
    bar.setValue(0);
    // The marquee counts to 100: a shorter range left by the last play-back would refuse it.
    bar.setMax(100);
    c.recordlabel->setText(kRecordingText);
    c.recordcount->setInterval(40);
    c.startrec.setVisible(false);
    c.stoprec.setVisible(true);
    m_x.s.progressMode = 1;
    const platform::Status recording = m_x.io.mmc->command("Record");
    if (!recording) {
        // Nothing is being recorded: put the panel back as it was and say why.
        c.recordcount->setInterval(0);
        c.stoprec.setVisible(false);
        c.startrec.setVisible(true);
        cannotRecord(recording.error().message);
    }
}

void VoiceRecording::stoprecClick()
{
    auto& c = m_x.c;
    const bool open = m_x.io.mmc->mode() != platform::RecordingDevice::Mode::NotOpen;
    c.playrec->setEnabled(open);
    c.recordlabel->setText(kStoppedText);
    c.recordcount->setInterval(0);
    c.stoprec.setVisible(false);
    c.startrec.setVisible(true);
    send("Stop");
    if (!open)
        reportUnusable();
}

void VoiceRecording::playrecClick()
{
    if (reportUnusable())
        return;
    auto& c = m_x.c;
    m_x.s.progressMode = 2;
    c.recordlabel->setText(kPlayingText);
    c.recordcount->setInterval(250);
    send("Prev");
    controls::Xp_ProgressBar& bar = *c.recordbar;
    bar.setStyle(0);
    bar.setMax(m_x.io.mmc->length() < bar.Min() ? bar.Min() : m_x.io.mmc->length());
    bar.setValue(0);
    send("Play");
}

void VoiceRecording::writeLengthLine()
{
    m_x.c.lenlabel->setText("声音长度:" + shell::decimal(m_x.io.mmc->length()) + " 当前位置:" + shell::decimal(m_x.io.mmc->position()));
}

void VoiceRecording::monitorTick()
{
    auto& c = m_x.c;
    controls::Xp_ProgressBar& bar = *c.recordbar;
    if (m_x.s.progressMode == 1) {
        // The device stops a take by itself when it reaches its longest length.
        if (m_x.io.mmc->mode() != platform::RecordingDevice::Mode::Recording && c.stoprec.visible()) {
            stoprecClick();
            return;
        }
        if (bar.Value() >= 100)
            bar.setValue(1);
        bar.setValue(bar.Value() + 1);
        writeLengthLine();
    } else if (m_x.s.progressMode == 2) {
        if (bar.Value() == bar.Max())
            c.recordcount->setInterval(0);
        int position = m_x.io.mmc->position();
        if (position > bar.Max())
            position = bar.Max();
        if (position < bar.Min())
            position = bar.Min();
        bar.setValue(position);
        writeLengthLine();
    }
}

} // namespace study
