#include "platform/window/CustomControl.h"

#include "platform/window/Form.h"
#include "platform/window/PointerProbe.h"

namespace platform {

CustomControl::CustomControl(Form& form, std::string name, int index, std::unique_ptr<HostedControl> hosted)
    : Control(form, ControlKind::Custom, std::move(name), index), m_hosted(std::move(hosted))
{
    setTakesFocus(m_hosted->takesFocus());
    m_hosted->setSite(this);
    m_hosted->setEventSink([this](const ControlEvent& e) { raise(e); });
}

CustomControl::~CustomControl() = default;

void CustomControl::load(const PropertyBag* bag)
{
    if (bag)
        m_hosted->readProperties(*bag);
    else
        m_hosted->initProperties();
    m_hosted->resized(twipsToPixels(width()), twipsToPixels(height()));
    invalidate();
}

void CustomControl::resize(int width, int height)
{
    const int oldW = twipsToPixels(this->width()), oldH = twipsToPixels(this->height());
    move(left(), top(), width, height);
    if (twipsToPixels(width) != oldW || twipsToPixels(height) != oldH)
        m_hosted->resized(twipsToPixels(width), twipsToPixels(height));
}

void CustomControl::deliverMouseDown(int button, int shift, int x, int y)
{
    if (!windowEnabled())
        return;
    if (takesFocus())
        Control::setFocus();
    m_hosted->mouseDown(button, shift, x, y);
}

void CustomControl::deliverMouseMove(int button, int shift, int x, int y)
{
    if (windowEnabled())
        m_hosted->mouseMove(button, shift, x, y);
}

void CustomControl::deliverMouseUp(int button, int shift, int x, int y, bool releasedInside)
{
    if (!windowEnabled())
        return;
    m_hosted->mouseUp(button, shift, x, y);
    // The click follows the release of the left button over the control.
    if (releasedInside && button == buttons::kLeft && windowEnabled())
        m_hosted->click();
}

void CustomControl::deliverKeyDown(int keyCode, int shift)
{
    if (windowEnabled())
        m_hosted->keyDown(keyCode, shift);
}

void CustomControl::deliverKeyPress(int keyAscii)
{
    if (windowEnabled())
        m_hosted->keyPress(keyAscii);
}

void CustomControl::deliverKeyUp(int keyCode, int shift)
{
    if (windowEnabled())
        m_hosted->keyUp(keyCode, shift);
}

void CustomControl::deliverAccessKey()
{
    if (windowEnabled() && isShown())
        m_hosted->accessKeyPressed();
}

void CustomControl::invalidate() { notify(ControlChange::Surface); }

void CustomControl::setSizeTwips(int width, int height) { resize(width, height); }

void CustomControl::setShape(const Surface* mask, Argb key)
{
    if (mask)
        m_shape = *mask;
    else
        m_shape.reset();
    m_shapeKey = key;
    notify(ControlChange::Shape);
}

FontInfo CustomControl::ambientFont() const { return FontInfo{}; }

Point CustomControl::pointerPosition() const
{
    const PointerProbe* probe = form().services().pointer;
    return probe ? probe->pointerIn(*this) : Point{-1000000, -1000000};
}

bool CustomControl::isUnderPointer() const
{
    const PointerProbe* probe = form().services().pointer;
    return probe && isShown() && windowEnabled() && probe->isUnderPointer(*this);
}

std::unique_ptr<Timer> CustomControl::createTimer()
{
    TimerFactory* timers = form().services().timers;
    if (timers)
        return timers->createTimer();
    // Without a timer service the control still gets a timer object; it never ticks.
    class Inert : public Timer {
    public:
        void setInterval(int ms) override { m_ms = ms > 0 ? ms : 0; }
        int interval() const override { return m_ms; }

    private:
        int m_ms = 0;
    };
    return std::make_unique<Inert>();
}

void CustomControl::showAlert(const std::string& message, const std::string& title)
{
    if (AlertSink* alerts = form().services().alerts)
        alerts->alert(message, title);
}

void CustomControl::setWindowEnabled(bool enabled)
{
    m_windowEnabled = enabled;
    Control::setEnabled(enabled);
}

const void* CustomControl::containerId() const
{
    return container() ? static_cast<const void*>(container()) : static_cast<const void*>(&form());
}

std::vector<HostedControl*> CustomControl::windowControls() const { return form().hostedControls(); }

} // namespace platform
