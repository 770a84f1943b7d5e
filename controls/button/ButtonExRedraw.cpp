// ButtonEx: Redraw and its face routines. Every redraw rebuilds the whole face: the bordered
// or skinned background, then the state's picture, then the caption.
//
// Skinned faces are cached per skin, key colour, background colour and size: a skin face is
// the skin over BackColor with its holes (TransparentColor pixels, and any part of the face
// the skin does not cover) fully transparent and keeping the key colour, so the same surface
// is also the outline handed to the container. A redraw that adds nothing over the skin
// shows the cached face as it is.

#include "controls/button/ButtonEx.h"

#include <algorithm>
#include <cmath>

#include "controls/button/FaceDrawing.h"
#include "platform/window/ControlSite.h"

namespace controls {
namespace {

using platform::Argb;
using platform::Rect;
using platform::Surface;

constexpr Argb kRgbMask = 0x00FFFFFFu;
// Skin sizes: HIMETRIC divided by this gives twips (a little more than 2540 / 1440).
constexpr double kHimetricPerTwip = 1.76;
// How many skin faces a button keeps (one per state is plenty).
constexpr std::size_t kSkinFacesKept = 8;

// Rounds to the nearest integer, halves to even.
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The rows of FACE's transparent pixels, as one-pixel-high runs.
std::vector<Rect> transparentRuns(const Surface& face)
{
    std::vector<Rect> runs;
    for (int y = 0; y < face.height(); ++y) {
        int x = 0;
        while (x < face.width()) {
            if ((face.pixel(x, y) >> 24) != 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < face.width() && (face.pixel(x, y) >> 24) == 0)
                ++x;
            runs.push_back({start, y, x - start, 1});
        }
    }
    return runs;
}

} // namespace

struct ButtonEx::SkinFace {
    platform::Picture skin; // held, so that the image it names stays alive
    Argb key = 0;
    Argb back = 0;
    Surface face;           // the button's size; holes are the key colour at alpha 0
    std::vector<Rect> holes; // the holes, row by row
};

void ButtonEx::Redraw(ButtonState state)
{
    const bool focusEmphasis = m_focusEmphasis;
    clearFace();
    // A container that cannot tell counts as a designer.
    const bool runMode = site() && site()->isRunMode();
    const bool emphasis = focusEmphasis && runMode;

    // Toggle rule: a latched toggle button is drawn Down whatever is asked; otherwise it
    // shows only Up or Over.
    if (m_style == 1) {
        if (m_value == 0)
            state = ButtonState::Down;
        else if (state != ButtonState::Over)
            state = ButtonState::Up;
    }

    if (m_skinUp.isSet() && m_appearance == 2)
        DrawSkinFace(state, emphasis);
    else
        DrawStandardFace(state, emphasis);
    DrawPicture(state);
    DrawCaption(state);

    if (m_faceDrawnOver)
        cutHoles();
    applyShape();
    if (site())
        site()->invalidate();
}

void ButtonEx::clearFace()
{
    // No background picture, no outline; each face routine then lays its whole background.
    m_mask.reset();
    m_faceDrawnOver = false;
}

void ButtonEx::DrawStandardFace(ButtonState state, bool emphasis)
{
    const Argb back = platform::toArgb(m_backColor);
    m_surface.resize(m_widthPx, m_heightPx, back);
    Rect r{0, 0, m_widthPx, m_heightPx};

    auto defaultFrame = [&] { drawEdge(m_surface, r, edge::kRaisedOuter | edge::kSunkenOuter, edge::kRect | edge::kAdjust | edge::kMono); };
    auto focusRect = [&] { drawFocusRect(m_surface, {4, 4, m_widthPx - 8, m_heightPx - 8}, platform::rgb(0, 0, 0), back); };
    auto raisedFace = [&] {
        if (emphasis) {
            defaultFrame();
            drawEdge(m_surface, r, edge::kRaised, edge::kRect);
            focusRect();
        } else {
            drawEdge(m_surface, r, edge::kRaised, edge::kRect);
        }
    };

    switch (state) {
    case ButtonState::Down:
        if (emphasis) {
            defaultFrame();
            drawEdge(m_surface, r, edge::kSunkenOuter, edge::kRect | edge::kFlat);
            focusRect();
        } else {
            drawEdge(m_surface, r, edge::kSunken, edge::kRect);
        }
        break;
    case ButtonState::Up:
        // Flat (and skinless skin-mode) buttons show no border at rest, not even the focus.
        if (m_appearance == 1)
            raisedFace();
        break;
    case ButtonState::Over:
        raisedFace();
        break;
    default:
        if (emphasis)
            focusRect();
        break;
    }
    m_currentState = state;
}

void ButtonEx::DrawSkinFace(ButtonState state, bool emphasis)
{
    m_currentState = state;
    if (!m_enabled) {
        state = ButtonState::Disabled;
        m_currentState = ButtonState::Disabled;
    } else if (emphasis && state == ButtonState::Up) {
        state = ButtonState::Focus;
    }

    platform::Picture skin = m_skinUp;
    switch (state) {
    case ButtonState::Down:
        if (m_skinDown.isSet())
            skin = m_skinDown;
        break;
    case ButtonState::Over:
        if (m_skinOver.isSet())
            skin = m_skinOver;
        break;
    case ButtonState::Disabled:
        if (m_skinDisabled.isSet())
            skin = m_skinDisabled;
        break;
    case ButtonState::Focus:
        if (m_skinFocus.isSet())
            skin = m_skinFocus;
        break;
    default:
        break;
    }

    // Without an image the see-through face has no outline at all: nothing of it shows and
    // nothing of it takes the pointer.
    showSkin(skin.hasImage() ? skin : platform::Picture::empty());
    if (!skin.hasImage())
        return;

    // The button takes the skin's size. A change comes back through resized(), whose Up
    // redraw runs before this one goes on to the picture and caption.
    if (site())
        site()->setSizeTwips(roundEven(skin.widthHimetric() / kHimetricPerTwip), roundEven(skin.heightHimetric() / kHimetricPerTwip));
}

void ButtonEx::showSkin(const platform::Picture& skin)
{
    m_mask = skinFace(skin);
    m_surface = m_mask->face;
}

std::shared_ptr<const ButtonEx::SkinFace> ButtonEx::skinFace(const platform::Picture& skin)
{
    const Argb key = platform::toArgb(m_transparentColor);
    const Argb back = platform::toArgb(m_backColor);
    for (const auto& entry : m_skinFaces)
        if (entry->skin == skin && entry->key == key && entry->back == back && entry->face.width() == m_widthPx
            && entry->face.height() == m_heightPx)
            return entry;

    auto entry = std::make_shared<SkinFace>();
    entry->skin = skin;
    entry->key = key;
    entry->back = back;
    const Argb hole = key & kRgbMask;
    entry->face = Surface(m_widthPx, m_heightPx, hole);
    if (skin.hasImage()) {
        const Surface& image = skin.image();
        Surface shown(image.width(), image.height(), back);
        shown.drawOver(image, {0, 0});
        for (int y = 0; y < std::min(image.height(), m_heightPx); ++y)
            for (int x = 0; x < std::min(image.width(), m_widthPx); ++x)
                if ((image.pixel(x, y) & kRgbMask) != (key & kRgbMask))
                    entry->face.setPixel(x, y, shown.pixel(x, y) | 0xFF000000u);
    }
    entry->holes = transparentRuns(entry->face);

    if (m_skinFaces.size() >= kSkinFacesKept)
        m_skinFaces.erase(m_skinFaces.begin());
    m_skinFaces.push_back(entry);
    return entry;
}

void ButtonEx::cutHoles()
{
    // What was drawn over the skin shows only inside its outline.
    if (!m_mask)
        return;
    const Argb hole = m_mask->key & kRgbMask;
    for (const Rect& run : m_mask->holes)
        m_surface.fillRect(run, hole);
}

void ButtonEx::applyShape()
{
    if (m_mask == m_siteShape)
        return;
    m_siteShape = m_mask;
    if (site())
        site()->setShape(m_mask ? &m_mask->face : nullptr, m_mask ? m_mask->key : 0);
}

void ButtonEx::DrawPicture(ButtonState state)
{
    const platform::Picture* chosen = &m_picture;
    switch (state) {
    case ButtonState::Down:
        if (m_pictureDown.isSet())
            chosen = &m_pictureDown;
        break;
    case ButtonState::Over:
        if (m_pictureOver.isSet())
            chosen = &m_pictureOver;
        break;
    case ButtonState::Disabled:
        if (m_pictureDisabled.isSet())
            chosen = &m_pictureDisabled;
        break;
    case ButtonState::Focus:
        if (m_pictureFocus.isSet())
            chosen = &m_pictureFocus;
        break;
    default:
        break;
    }
    m_imgPicture.setPicture(*chosen);
    if (!m_imgPicture.picture.hasImage())
        return;

    const int h = m_imgPicture.height;
    int x = 6;
    int y = std::max(6, m_heightPx / 2 - h / 2);
    if (m_appearance == 2) {
        x = 0;
        y = std::max(0, m_heightPx / 2 - h / 2);
    }
    if (state == ButtonState::Down) {
        ++x;
        ++y;
    }
    m_imgPicture.left = x + m_pictureOffsetX;
    m_imgPicture.top = y + m_pictureOffsetY;

    const Surface& rendering = holderRendering();
    const bool silhouette = (m_highlightPicture && (state == ButtonState::Down || state == ButtonState::Over))
        || (state == ButtonState::Up && !m_enabled);
    if (silhouette) {
        const Argb colour = platform::toArgb(m_enabled ? m_highlightColor : platform::kSysGrayText);
        DrawHighlightedPicture(rendering, m_surface, m_pictTempDestination, m_pictTempHighlight, colour, m_imgPicture.left,
            m_imgPicture.top, 0, 0, m_imgPicture.width, m_imgPicture.height);
    } else {
        DrawTransparent(rendering, m_surface, m_imgPicture.left, m_imgPicture.top, 0, 0, m_imgPicture.width, m_imgPicture.height,
            platform::toArgb(m_transparentColor));
    }
    m_faceDrawnOver = true;
}

const Surface& ButtonEx::holderRendering()
{
    // The holder shows its picture at its top-left corner over its background colour.
    const Argb back = platform::toArgb(m_imgPicture.backColor);
    if (m_holderRenderingOf == m_imgPicture.picture && m_holderRenderingBack == back && m_holderRendering.width() == m_imgPicture.width
        && m_holderRendering.height() == m_imgPicture.height)
        return m_holderRendering;
    m_holderRendering = Surface(m_imgPicture.width, m_imgPicture.height, back);
    m_holderRendering.drawOver(m_imgPicture.picture.image(), {0, 0});
    m_holderRenderingOf = m_imgPicture.picture;
    m_holderRenderingBack = back;
    return m_holderRendering;
}

platform::Size ButtonEx::captionSize()
{
    if (!m_captionSizeKnown || m_captionSizeOf != m_caption || !(m_captionSizeFont == m_font)) {
        m_captionSize = Surface::textSize(m_caption, m_font);
        m_captionSizeOf = m_caption;
        m_captionSizeFont = m_font;
        m_captionSizeKnown = true;
    }
    return m_captionSize;
}

void ButtonEx::DrawCaption(ButtonState state)
{
    if (m_caption.empty())
        return;
    Argb colour = platform::toArgb(m_foreColor);
    if (state == ButtonState::Over || (state == ButtonState::Down && m_lastHoverEvent != "MouseExit"))
        colour = platform::toArgb(m_highlightColor);
    const int shift = m_picture.isSet() && state == ButtonState::Down ? -1 : 0;
    const platform::Size size = captionSize();

    int x = m_widthPx / 2 - size.width / 2 + shift;
    if (m_imgPicture.picture.hasImage()) {
        // Centred between the picture's right edge and the button's.
        const int right = m_imgPicture.left + shift + m_imgPicture.width;
        x = (m_widthPx + right) / 2 - size.width / 2;
    }
    int y = m_heightPx / 2 - size.height / 2;
    if (state == ButtonState::Down) {
        ++x;
        ++y;
    }
    drawStateText(m_surface, m_caption, {x + m_captionOffsetX, y + m_captionOffsetY}, m_font, colour, !m_enabled, m_rightToLeft);
    m_faceDrawnOver = true;
}

} // namespace controls
