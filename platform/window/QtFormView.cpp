#include "platform/window/QtFormView.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include <QAbstractTableModel>
#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

#include "platform/draw/QtDraw.h"
#include "platform/log/ActionLog.h"
#include "platform/time/QtTimerFactory.h"
#include "platform/window/CustomControl.h"
#include "platform/window/ListView.h"
#include "platform/window/PointerProbe.h"

namespace platform {
namespace {

// Every control shown by a view, for the pointer probe.
std::unordered_map<const Control*, QPointer<QWidget>>& widgetRegistry()
{
    static std::unordered_map<const Control*, QPointer<QWidget>> registry;
    return registry;
}

int px(int twips) { return twipsToPixels(twips); }

QColor qcolour(OleColour c) { return QColor::fromRgb(toArgb(c)); }

FontInfo withLanguage(FontInfo font, const std::string& language)
{
    // Japanese text takes Japanese glyph forms whatever face the form names.
    if (language == "ja")
        font.name = "MS Mincho";
    return font;
}

QFont controlFont(const Control& c) { return qtFont(withLanguage(c.font(), c.language())); }

QString displayText(const std::string& text)
{
    QString s = qs(text);
    s.remove(u'\r');
    return s;
}

int shiftMask(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

int buttonMask(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? buttons::kLeft : 0) | (b & Qt::RightButton ? buttons::kRight : 0) | (b & Qt::MiddleButton ? buttons::kMiddle : 0);
}

int buttonOf(Qt::MouseButton b) { return buttonMask(Qt::MouseButtons(b)); }

// The virtual key code of a Qt key (letters and digits as their upper-case ASCII codes).
int virtualKey(int key)
{
    switch (key) {
    case Qt::Key_Space: return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    return 0;
}

QCursor cursorFor(int pointer, const Picture& icon)
{
    if (pointer == 99 && icon.hasImage())
        return QCursor(QPixmap::fromImage(imageOf(icon.image())), icon.hotSpot().x, icon.hotSpot().y);
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 15: return Qt::SizeAllCursor;
    case 99: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

ControlEvent mouseEvent(const char* name, int button, int shift, QPointF pos)
{
    ControlEvent e{name};
    e.button = button;
    e.shift = shift;
    e.x = static_cast<float>(pos.x() * kTwipsPerPixel);
    e.y = static_cast<float>(pos.y() * kTwipsPerPixel);
    return e;
}

QRegion regionOf(const Region& region)
{
    QRegion r;
    for (const auto& run : region.runs())
        r += QRect(run.x0, run.y, run.x1 - run.x0, 1);
    return r;
}

// Keeps the window following the pointer when the window system cannot move it itself.
struct HandDrag {
    bool active = false;
    QPoint grabOffset;
};



// --- Controls ---------------------------------------------------------------------------

class ImageWidget : public QWidget {
public:
    ImageWidget(Control& control, HandDrag& drag, QWidget* parent) : QWidget(parent), m_control(control), m_drag(drag) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const Picture& pic = m_control.picture();
        if (!pic.hasImage())
            return;
        QPainter p(this);
        p.drawImage(0, 0, imageOf(pic.image()));
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_control.raise(mouseEvent("MouseDown", buttonOf(e->button()), shiftMask(e->modifiers()), e->position()));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (m_drag.active && (e->buttons() & Qt::LeftButton))
            window()->move(e->globalPosition().toPoint() - m_drag.grabOffset);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        m_drag.active = false;
        m_control.raise(mouseEvent("MouseUp", buttonOf(e->button()), shiftMask(e->modifiers()), e->position()));
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_control.raise("Click");
    }

private:
    Control& m_control;
    HandDrag& m_drag;
};

class PlainWidget : public QWidget {
public:
    PlainWidget(Control& control, QWidget* parent) : QWidget(parent), m_control(control) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!m_control.isBackTransparent())
            p.fillRect(rect(), qcolour(m_control.backColour()));
        if (m_control.picture().hasImage())
            p.drawImage(0, 0, imageOf(m_control.picture().image()));
    }

private:
    Control& m_control;
};

class LabelWidget : public QLabel {
public:
    LabelWidget(Control& control, QWidget* parent) : QLabel(parent), m_control(control)
    {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void refresh()
    {
        setText(displayText(m_control.text()));
        setFont(controlFont(m_control));
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, qcolour(m_control.foreColour()));
        pal.setColor(QPalette::Window, qcolour(m_control.backColour()));
        setPalette(pal);
        setAutoFillBackground(!m_control.isBackTransparent());
        const std::string align = m_control.attribute("align");
        setAlignment((align == "center" ? Qt::AlignHCenter : align == "right" ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }

private:
    Control& m_control;
};

// A text box: one line (QLineEdit) or several (QPlainTextEdit). Typing updates the control's
// text; the view's own updates never echo back.
class TextBoxWidget : public QWidget {
public:
    TextBoxWidget(Control& control, QWidget* parent) : QWidget(parent), m_control(control)
    {
        const bool locked = control.attribute("locked") == "true";
        if (control.attribute("multiline") == "true") {
            auto* edit = new QPlainTextEdit(this);
            edit->setReadOnly(locked);
            edit->setFrameShape(QFrame::NoFrame);
            // A text box has no scroll bars, and its text starts a pixel from its edges: the
            // one-line boxes of the pronunciation frames are barely taller than a line.
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->document()->setDocumentMargin(1);
            QObject::connect(edit, &QPlainTextEdit::textChanged, [this, edit] { edited(edit->toPlainText()); });
            m_multi = edit;
            m_editor = edit;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(locked);
            edit->setFrame(false);
            edit->setAlignment(control.attribute("align") == "center" ? Qt::AlignCenter : Qt::AlignLeft);
            QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& t) { edited(t); });
            m_single = edit;
            m_editor = edit;
        }
        m_editor->installEventFilter(this);
    }
    QWidget* editor() const { return m_editor; }
    void refresh()
    {
        m_updating = true;
        const QString text = displayText(m_control.text());
        if (m_multi && m_multi->toPlainText() != text)
            m_multi->setPlainText(text);
        if (m_single && m_single->text() != text)
            m_single->setText(text);
        m_editor->setFont(controlFont(m_control));
        QPalette pal = m_editor->palette();
        pal.setColor(QPalette::Base, qcolour(m_control.backColour()));
        pal.setColor(QPalette::Text, qcolour(m_control.foreColour()));
        m_editor->setPalette(pal);
        m_updating = false;
    }

protected:
    void resizeEvent(QResizeEvent*) override { m_editor->setGeometry(rect()); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            m_control.form().setFocus(&m_control);
        return false;
    }

private:
    void edited(const QString& text)
    {
        if (m_updating)
            return;
        // The control keeps the text as typed; a multi-line box keeps CR LF line ends.
        QString stored = text;
        if (m_multi)
            stored.replace(u"\n"_qs, u"\r\n"_qs);
        m_updating = true;
        m_control.setText(u8(stored));
        m_updating = false;
        m_control.raise("Change");
    }

    Control& m_control;
    QPlainTextEdit* m_multi = nullptr;
    QLineEdit* m_single = nullptr;
    QWidget* m_editor = nullptr;
    bool m_updating = false;
};

// The rows of a ListView, read straight from the control.
class ListModel : public QAbstractTableModel {
public:
    explicit ListModel(ListView& list) : m_list(list) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_list.rowCount(); }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : std::max(1, static_cast<int>(m_list.columns().size()));
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const int row = index.row() + 1;
        if (role == Qt::DisplayRole)
            return qs(m_list.cell(row, index.column()));
        if (role == Qt::DecorationRole && index.column() == 0) {
            const int icon = m_list.row(row).icon;
            const auto& icons = m_list.icons();
            if (icon >= 1 && icon <= static_cast<int>(icons.size()) && icons[static_cast<size_t>(icon - 1)].hasImage())
                return QPixmap::fromImage(imageOf(icons[static_cast<size_t>(icon - 1)].image()));
        }
        if (role == Qt::FontRole && index.column() == 0)
            return qtFont(withLanguage(m_list.font(), "ja"));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= static_cast<int>(m_list.columns().size()))
            return {};
        return qs(m_list.columns()[static_cast<size_t>(section)].header);
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    ListView& m_list;
};

class ListWidget : public QTreeView {
public:
    ListWidget(ListView& list, QWidget* parent) : QTreeView(parent), m_list(list), m_model(list)
    {
        setModel(&m_model);
        setRootIsDecorated(false);
        setUniformRowHeights(true);
        setItemsExpandable(false);
        setAllColumnsShowFocus(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        header()->setStretchLastSection(false);
        header()->setSectionsMovable(false);
        setIconSize(QSize(12, 12));
        QObject::connect(selectionModel(), &QItemSelectionModel::currentRowChanged, [this](const QModelIndex& current, const QModelIndex&) {
            if (!m_updating)
                m_list.selectedByUser(current.isValid() ? current.row() + 1 : 0);
        });
    }
    void rowsChanged()
    {
        if (m_resetPending)
            return;
        m_resetPending = true;
        // Filling the list adds rows one by one; the view rebuilds once, after the handler.
        QTimer::singleShot(0, this, [this] { flushRows(); });
    }
    // Rebuilds the rows now if a rebuild is waiting.
    void flushRows()
    {
        if (!m_resetPending)
            return;
        m_resetPending = false;
        m_updating = true;
        m_model.reset();
        m_updating = false;
        m_list.rowsShown();
        showSelectedRow();
    }
    void showSelectedRow()
    {
        if (m_resetPending)
            return;
        m_updating = true;
        const int row = m_list.selectedRow();
        if (row >= 1 && row <= m_model.rowCount({})) {
            const QModelIndex idx = m_model.index(row - 1, 0);
            selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            scrollTo(idx);
        } else {
            selectionModel()->clearSelection();
        }
        m_updating = false;
    }
    void columnsChanged()
    {
        m_model.reset();
        for (size_t i = 0; i < m_list.columns().size(); ++i)
            setColumnWidth(static_cast<int>(i), px(m_list.columns()[i].width));
    }
    void pictureChanged()
    {
        QPalette pal = palette();
        if (m_list.picture().hasImage())
            pal.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(imageOf(m_list.picture().image()))));
        else
            pal.setColor(QPalette::Base, Qt::white);
        setPalette(pal);
    }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QTreeView::focusInEvent(e);
        m_list.form().setFocus(&m_list);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        QTreeView::mousePressEvent(e);
        m_pressed = true;
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QTreeView::mouseReleaseEvent(e);
        if (m_pressed && e->button() == Qt::LeftButton)
            m_list.raise("Click");
        m_pressed = false;
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        QTreeView::mouseDoubleClickEvent(e);
        if (e->button() == Qt::LeftButton)
            m_list.raise("DblClick");
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        QTreeView::keyReleaseEvent(e);
        if (e->isAutoRepeat())
            return;
        ControlEvent ev{"KeyUp"};
        ev.keyCode = virtualKey(e->key());
        ev.shift = shiftMask(e->modifiers());
        m_list.raise(ev);
    }

private:
    ListView& m_list;
    ListModel m_model;
    bool m_updating = false;
    bool m_resetPending = false;
    bool m_pressed = false;
};

// A self-drawn control: paints its surface, takes its outline as the widget's mask, and
// passes the pointer, keys and focus on to it.
class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(CustomControl& control, QWidget* parent) : QWidget(parent), m_control(control)
    {
        setMouseTracking(true);
        setFocusPolicy(control.takesFocus() ? Qt::StrongFocus : Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void shapeChanged()
    {
        const Surface* mask = m_control.shapeMask();
        if (!mask || mask->isNull()) {
            clearMask();
            return;
        }
        // The outline: every run of pixels whose colour is not the key.
        const Argb key = m_control.shapeKey() & 0x00FFFFFFu;
        QRegion outline;
        for (int y = 0; y < mask->height(); ++y) {
            int start = -1;
            for (int x = 0; x <= mask->width(); ++x) {
                const bool inside = x < mask->width() && (mask->pixel(x, y) & 0x00FFFFFFu) != key;
                if (inside && start < 0)
                    start = x;
                if (!inside && start >= 0) {
                    outline += QRect(start, y, x - start, 1);
                    start = -1;
                }
            }
        }
        // An outline with no pixel at all must still hide the whole control.
        setMask(outline.isEmpty() ? QRegion(-1, -1, 1, 1) : outline);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const Surface& s = m_control.hosted().surface();
        if (!s.isNull())
            p.drawImage(0, 0, imageOf(s));
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        const QPoint p = e->position().toPoint();
        m_control.deliverMouseDown(buttonOf(e->button()), shiftMask(e->modifiers()), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        const QPoint p = e->position().toPoint();
        m_control.deliverMouseMove(buttonMask(e->buttons()), shiftMask(e->modifiers()), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const QPoint p = e->position().toPoint();
        const bool inside = rect().contains(p) && (mask().isEmpty() || mask().contains(p));
        m_control.deliverMouseUp(buttonOf(e->button()), shiftMask(e->modifiers()), p.x(), p.y(), inside);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        // A second press in quick succession is a press like any other.
        mousePressEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        m_control.deliverKeyDown(virtualKey(e->key()), shiftMask(e->modifiers()));
        const QString text = e->text();
        if (text.size() == 1 && text.at(0).unicode() < 128 && text.at(0).unicode() >= 8)
            m_control.deliverKeyPress(text.at(0).unicode());
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (!e->isAutoRepeat())
            m_control.deliverKeyUp(virtualKey(e->key()), shiftMask(e->modifiers()));
    }
    void focusInEvent(QFocusEvent*) override { m_control.form().setFocus(&m_control); }
    void focusOutEvent(QFocusEvent*) override
    {
        if (m_control.hasFocus() && !QApplication::focusWidget())
            m_control.form().setFocus(nullptr);
    }

private:
    CustomControl& m_control;
};

// --- Services -----------------------------------------------------------------------------

class QtPointerProbe : public PointerProbe {
public:
    Point pointerIn(const Control& control) const override
    {
        QWidget* w = widgetOf(control);
        if (!w)
            return {-1000000, -1000000};
        const QPoint p = w->mapFromGlobal(QCursor::pos());
        return {p.x(), p.y()};
    }
    bool isUnderPointer(const Control& control) const override
    {
        QWidget* w = widgetOf(control);
        if (!w || !w->isVisible() || !w->isEnabled())
            return false;
        // Qt tracks which widget the pointer is over from the window system's enter and leave
        // events; asking for the pointer's place would cost a round trip to the window system on
        // every hover tick. While a mouse button is held Qt holds the leave back until the
        // release, so then ask where the pointer is.
        if (QApplication::mouseButtons() == Qt::NoButton)
            return w->underMouse();
        QWidget* under = QApplication::widgetAt(QCursor::pos());
        // A disabled window is never the window under the pointer.
        return under == w && under->isEnabled();
    }

private:
    static QWidget* widgetOf(const Control& control)
    {
        auto it = widgetRegistry().find(&control);
        return it == widgetRegistry().end() ? nullptr : it->second.data();
    }
};

class QtAlertSink : public AlertSink {
public:
    void alert(const std::string& message, const std::string& title) override
    {
        QMessageBox box(QMessageBox::Critical, qs(title), qs(message), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
};

} // namespace

// --- The window ------------------------------------------------------------------------------


struct QtFormView::Impl : public ControlObserver, public Form::FormObserver {
    class Window : public QWidget {
    public:
        Window(Impl& impl, Qt::WindowFlags flags) : QWidget(nullptr, flags), m_impl(impl) {}

    protected:
        void paintEvent(QPaintEvent* e) override
        {
            QWidget::paintEvent(e);
            if (m_painted)
                return;
            m_painted = true;
            actionlog::write("window.shown", u8(windowTitle()));
        }
        void changeEvent(QEvent* e) override
        {
            QWidget::changeEvent(e);
            if (e->type() != QEvent::WindowStateChange || m_impl.applying)
                return;
            const auto state = isMinimized() ? Form::WindowState::Minimized : Form::WindowState::Normal;
            if (m_impl.proxy)
                m_impl.proxy->windowStateChangedByUser(state);
            m_impl.form.windowStateChangedByUser(state);
        }
        void closeEvent(QCloseEvent* e) override
        {
            e->ignore();
            // Closing the taskbar entry unloads the proxy; without one, the window itself.
            if (m_impl.proxy)
                m_impl.proxy->raise("Unload");
            else
                m_impl.form.raise("Unload");
        }
        void keyPressEvent(QKeyEvent* e) override
        {
            if (e->modifiers() & Qt::AltModifier) {
                const QString key = e->text().isEmpty() ? QString(QChar(e->key())) : e->text();
                for (const auto& c : m_impl.form.controls())
                    if (auto* custom = dynamic_cast<CustomControl*>(c.get()))
                        if (!custom->accessKey().empty() && qs(custom->accessKey()).compare(key, Qt::CaseInsensitive) == 0) {
                            custom->deliverAccessKey();
                            return;
                        }
            }
            QWidget::keyPressEvent(e);
        }

    private:
        Impl& m_impl;
        bool m_painted = false;
    };

    explicit Impl(Form& f) : form(f) {}

    Form& form;
    Form* proxy = nullptr;   // the taskbar proxy this window carries
    Impl* carrier = nullptr; // for a proxy view: the view whose window it uses
    std::unique_ptr<Window> window;
    std::map<const Control*, QWidget*> widgets;
    HandDrag drag;
    bool applying = false;

    QWidget* parentFor(const Control& c) const
    {
        if (!c.container())
            return window.get();
        auto it = widgets.find(c.container());
        return it == widgets.end() ? window.get() : it->second;
    }

    void build()
    {
        window = std::make_unique<Window>(*this, Qt::Window | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        std::vector<Control*> stacking;
        for (const auto& c : form.controls())
            stacking.push_back(c.get());
        std::stable_sort(stacking.begin(), stacking.end(),
                         [](const Control* a, const Control* b) { return std::stoi("0" + a->attribute("z")) < std::stoi("0" + b->attribute("z")); });
        for (Control* c : stacking)
            create(*c);
        formChanged(form);
    }

    void create(Control& c)
    {
        QWidget* parent = parentFor(c);
        QWidget* w = nullptr;
        switch (c.kind()) {
        case ControlKind::Label: w = new LabelWidget(c, parent); break;
        case ControlKind::TextBox: w = new TextBoxWidget(c, parent); break;
        case ControlKind::Image: w = new ImageWidget(c, drag, parent); break;
        case ControlKind::Frame:
        case ControlKind::PictureBox: w = new PlainWidget(c, parent); break;
        case ControlKind::ListView: w = new ListWidget(static_cast<ListView&>(c), parent); break;
        case ControlKind::Custom: w = new SurfaceWidget(static_cast<CustomControl&>(c), parent); break;
        case ControlKind::Timer:
        case ControlKind::Hidden: return;
        }
        widgets[&c] = w;
        widgetRegistry()[&c] = w;
        for (ControlChange what : {ControlChange::Geometry, ControlChange::Text, ControlChange::Font, ControlChange::Colours, ControlChange::Picture,
                                   ControlChange::ToolTip, ControlChange::Pointer, ControlChange::Enabled, ControlChange::Columns, ControlChange::Rows,
                                   ControlChange::Shape, ControlChange::Visible})
            changed(c, what);
    }

    void changed(Control& c, ControlChange what) override
    {
        auto it = widgets.find(&c);
        if (it == widgets.end())
            return;
        QWidget* w = it->second;
        switch (what) {
        case ControlChange::Visible: w->setVisible(c.visible()); break;
        case ControlChange::Enabled: w->setEnabled(c.enabled()); break;
        case ControlChange::Geometry: w->setGeometry(px(c.left()), px(c.top()), px(c.width()), px(c.height())); break;
        case ControlChange::Text:
        case ControlChange::Font:
        case ControlChange::Colours:
            if (auto* label = dynamic_cast<LabelWidget*>(w))
                label->refresh();
            else if (auto* box = dynamic_cast<TextBoxWidget*>(w))
                box->refresh();
            else
                w->update();
            if (auto* list = dynamic_cast<ListWidget*>(w))
                list->setFont(qtFont(c.font()));
            break;
        case ControlChange::Picture:
            if (auto* list = dynamic_cast<ListWidget*>(w))
                list->pictureChanged();
            w->update();
            break;
        case ControlChange::ToolTip: w->setToolTip(qs(c.toolTip())); break;
        case ControlChange::Pointer: w->setCursor(cursorFor(c.mousePointer(), c.mouseIcon())); break;
        case ControlChange::Surface: w->update(); break;
        case ControlChange::Shape:
            if (auto* s = dynamic_cast<SurfaceWidget*>(w))
                s->shapeChanged();
            break;
        case ControlChange::Rows:
            if (auto* list = dynamic_cast<ListWidget*>(w))
                list->rowsChanged();
            break;
        case ControlChange::Selection:
            if (auto* list = dynamic_cast<ListWidget*>(w))
                list->showSelectedRow();
            break;
        case ControlChange::Columns:
            if (auto* list = dynamic_cast<ListWidget*>(w))
                list->columnsChanged();
            break;
        }
    }

    void formChanged(Form& f) override
    {
        if (carrier) {
            proxyChanged(f);
            return;
        }
        applying = true;
        window->setWindowTitle(qs(f.caption()));
        if (f.icon().hasImage())
            window->setWindowIcon(QIcon(QPixmap::fromImage(imageOf(f.icon().image()))));
        const QSize size(px(f.width()), px(f.height()));
        if (window->size() != size)
            window->setFixedSize(size);
        if (f.shape().isEmpty())
            window->clearMask();
        else
            window->setMask(regionOf(f.shape()));
        const bool proxyMinimised = proxy && proxy->windowState() == Form::WindowState::Minimized;
        if (f.windowState() == Form::WindowState::Minimized || (!f.visible() && proxyMinimised)) {
            if (f.visible() || proxyMinimised)
                window->showMinimized();
            else
                window->hide();
        } else if (f.visible()) {
            if (window->isMinimized() || !window->isVisible()) {
                // The window shows its list filled from the first frame on.
                for (auto& [control, widget] : widgets)
                    if (auto* list = dynamic_cast<ListWidget*>(widget))
                        list->flushRows();
                window->showNormal();
            }
        } else {
            window->hide();
        }
        if (Control* focus = f.focus()) {
            auto it = widgets.find(focus);
            if (it != widgets.end()) {
                QWidget* target = it->second;
                if (auto* box = dynamic_cast<TextBoxWidget*>(target))
                    target = box->editor();
                if (target->isVisible() && QApplication::focusWidget() != target)
                    target->setFocus(Qt::OtherFocusReason);
            }
        }
        applying = false;
    }

    // A proxy's own changes reach its carrier's window.
    void proxyChanged(Form& f)
    {
        Window& w = *carrier->window;
        carrier->applying = true;
        w.setWindowTitle(qs(f.caption()));
        if (f.icon().hasImage())
            w.setWindowIcon(QIcon(QPixmap::fromImage(imageOf(f.icon().image()))));
        if (f.windowState() == Form::WindowState::Minimized && !w.isMinimized() && w.isVisible())
            w.showMinimized();
        carrier->applying = false;
    }

    void systemMoveRequested(Form&) override
    {
        QWindow* handle = window->windowHandle();
        if (handle && handle->startSystemMove())
            return;
        // No window manager to move it: follow the pointer by hand until the release.
        drag.active = true;
        drag.grabOffset = QCursor::pos() - window->pos();
    }
};

QtFormView::QtFormView(Form& form) : m_impl(std::make_unique<Impl>(form))
{
    form.setObserver(m_impl.get());
    form.setFormObserver(m_impl.get());
    m_impl->build();
}

QtFormView::QtFormView(Form& proxy, QtFormView& carrier) : m_impl(std::make_unique<Impl>(proxy))
{
    m_impl->carrier = carrier.m_impl.get();
    carrier.m_impl->proxy = &proxy;
    proxy.setObserver(m_impl.get());
    proxy.setFormObserver(m_impl.get());
}

QtFormView::~QtFormView()
{
    if (m_impl->carrier)
        m_impl->carrier->proxy = nullptr;
    m_impl->form.setObserver(nullptr);
    m_impl->form.setFormObserver(nullptr);
    for (const auto& [control, widget] : m_impl->widgets)
        widgetRegistry().erase(control);
}

FormServices QtFormView::services()
{
    static QtTimerFactory timers;
    static QtPointerProbe pointer;
    static QtAlertSink alerts;
    return FormServices{&timers, &pointer, &alerts};
}

Surface QtFormView::grab() const
{
    const Impl* shown = m_impl->carrier ? m_impl->carrier : m_impl.get();
    return surfaceFromImage(shown->window->grab().toImage());
}

void* QtFormView::widgetOf(const Control& control) const
{
    auto it = m_impl->widgets.find(&control);
    return it == m_impl->widgets.end() ? nullptr : it->second;
}

void* QtFormView::window() const { return m_impl->carrier ? m_impl->carrier->window.get() : m_impl->window.get(); }

} // namespace platform
