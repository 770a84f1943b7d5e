#include "platform/window/FormLoader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/draw/QtDraw.h"
#include "platform/window/CustomControl.h"
#include "platform/window/ListView.h"
#include "platform/window/TimerControl.h"

namespace platform {
namespace {

Error bad(const std::string& what) { return Error{Error::Code::BadFormat, "form description: " + what}; }

FontInfo fontFrom(const QJsonObject& o, FontInfo font = {})
{
    if (o.contains(u"name"))
        font.name = u8(o.value(u"name").toString());
    if (o.contains(u"size"))
        font.size = o.value(u"size").toDouble();
    if (o.contains(u"weight"))
        font.weight = o.value(u"weight").toInt();
    if (o.contains(u"charset"))
        font.charset = o.value(u"charset").toInt();
    font.italic = o.value(u"italic").toBool(font.italic);
    font.underline = o.value(u"underline").toBool(font.underline);
    font.strikethrough = o.value(u"strikethrough").toBool(font.strikethrough);
    return font;
}

OleColour colourFrom(const QJsonValue& v, OleColour fallback)
{
    if (v.isArray()) {
        const QJsonArray a = v.toArray();
        return toOle(rgb(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt()));
    }
    if (v.isDouble())
        return static_cast<OleColour>(v.toDouble());
    return fallback;
}

std::optional<PropertyValue> propertyFrom(const QJsonValue& v, const PictureSource& pictures, const FontInfo& formFont)
{
    if (v.isBool())
        return PropertyValue(v.toBool());
    if (v.isDouble())
        return PropertyValue(static_cast<std::int32_t>(static_cast<std::int64_t>(v.toDouble())));
    if (v.isString())
        return PropertyValue(u8(v.toString()));
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.contains(u"picture"))
            return PropertyValue(pictures ? pictures(u8(o.value(u"picture").toString())) : Picture::absent());
        if (o.contains(u"cursor"))
            return PropertyValue(pictures ? pictures(u8(o.value(u"cursor").toString())) : Picture::absent());
        if (o.contains(u"name"))
            return PropertyValue(fontFrom(o, formFont));
    }
    return std::nullopt;
}

Status addProperties(PropertyBag& bag, const QJsonObject& props, const PictureSource& pictures, const FontInfo& formFont,
                     const std::string& owner)
{
    for (auto it = props.begin(); it != props.end(); ++it) {
        auto value = propertyFrom(it.value(), pictures, formFont);
        if (!value)
            return bad(owner + ": property " + u8(it.key()) + " has a value of no known type");
        bag.set(u8(it.key()), std::move(*value));
    }
    return success();
}

struct Loader {
    const FormServices& services;
    const HostedFactory& factory;
    const PictureSource& pictures;
    std::unique_ptr<Form> form;
    FontInfo formFont;
    QJsonObject propertySets;

    Picture picture(const QJsonValue& v) const
    {
        return v.isString() && pictures ? pictures(u8(v.toString())) : Picture::absent();
    }

    Result<Control*> container(const QString& spec) const
    {
        if (spec.isEmpty())
            return static_cast<Control*>(nullptr);
        int index = -1;
        QString name = spec;
        const qsizetype open = spec.indexOf(u'(');
        if (open > 0 && spec.endsWith(u')')) {
            name = spec.left(open);
            index = spec.mid(open + 1, spec.size() - open - 2).toInt();
        }
        Control* c = form->find(u8(name), index);
        if (!c)
            return bad("container " + u8(spec) + " is not listed before its controls");
        return c;
    }

    Result<Control*> create(const QJsonObject& o)
    {
        const std::string name = u8(o.value(u"name").toString());
        const int index = o.value(u"index").toInt(-1);
        const std::string kind = u8(o.value(u"kind").toString());
        const std::string who = index < 0 ? name : name + "(" + std::to_string(index) + ")";
        if (name.empty())
            return bad("a control without a name");
        if (form->find(name, index))
            return bad(who + " is listed twice");
        Control* c = nullptr;
        if (kind == "Label" || kind == "TextBox" || kind == "Frame" || kind == "Image" || kind == "PictureBox" || kind == "Hidden") {
            static const std::pair<const char*, ControlKind> kinds[] = {{"Label", ControlKind::Label}, {"TextBox", ControlKind::TextBox},
                                                                        {"Frame", ControlKind::Frame}, {"Image", ControlKind::Image},
                                                                        {"PictureBox", ControlKind::PictureBox}, {"Hidden", ControlKind::Hidden}};
            ControlKind k = ControlKind::Label;
            for (const auto& [n, v] : kinds)
                if (kind == n)
                    k = v;
            c = &form->add<Control>(k, name, index);
            c->setTakesFocus(k == ControlKind::TextBox);
            if (k == ControlKind::Hidden)
                c->setVisible(false);
        } else if (kind == "Timer") {
            c = &form->add<TimerControl>(name, index);
        } else if (kind == "ListView") {
            c = &form->add<ListView>(name, index);
        } else {
            std::unique_ptr<HostedControl> hosted = factory ? factory(kind) : nullptr;
            if (!hosted)
                return bad(who + " is of unknown kind \"" + kind + "\"");
            c = &form->add<CustomControl>(name, index, std::move(hosted));
        }
        auto parent = container(o.value(u"in").toString());
        if (!parent)
            return parent.error();
        c->setContainer(parent.value());
        return c;
    }

    Status configure(Control& c, const QJsonObject& o)
    {
        const QJsonArray place = o.value(u"place").toArray();
        if (!place.isEmpty() && place.size() != 4)
            return bad(c.displayName() + ": place needs left, top, width and height");
        if (place.size() == 4)
            c.move(place.at(0).toInt(), place.at(1).toInt(), place.at(2).toInt(), place.at(3).toInt());
        c.setFont(fontFrom(o.value(u"font").toObject(), formFont));
        if (o.contains(u"lang"))
            c.setLanguage(u8(o.value(u"lang").toString()));
        const QJsonValue back = o.value(u"back");
        c.setColours(colourFrom(back, c.kind() == ControlKind::TextBox ? kSysWindow : kSysButtonFace),
                     colourFrom(o.value(u"fore"), c.kind() == ControlKind::TextBox ? kSysWindowText : kSysButtonText),
                     back.toString() == u"transparent" || (back.isUndefined() && c.kind() == ControlKind::Label));
        if (o.contains(u"text"))
            c.setText(u8(o.value(u"text").toString()));
        if (o.contains(u"picture"))
            c.setPicture(picture(o.value(u"picture")));
        if (o.contains(u"tip"))
            c.setToolTip(u8(o.value(u"tip").toString()));
        if (o.contains(u"pointer"))
            c.setPointer(o.value(u"pointer").toInt(), picture(o.value(u"icon")));
        const QJsonObject attributes = o.value(u"attributes").toObject();
        for (auto it = attributes.begin(); it != attributes.end(); ++it)
            c.setAttribute(u8(it.key()), u8(it.value().toVariant().toString()));
        c.setVisible(o.value(u"visible").toBool(c.kind() != ControlKind::Hidden && c.kind() != ControlKind::Timer));
        c.setEnabled(o.value(u"enabled").toBool(true));
        if (auto* custom = dynamic_cast<CustomControl*>(&c))
            return loadCustom(*custom, o);
        return success();
    }

    Status loadCustom(CustomControl& c, const QJsonObject& o)
    {
        PropertyBag bag;
        bag.set("_extentx", static_cast<std::int32_t>(Picture::pixelsToHimetric(twipsToPixels(c.width()))));
        bag.set("_extenty", static_cast<std::int32_t>(Picture::pixelsToHimetric(twipsToPixels(c.height()))));
        for (const QJsonValue set : o.value(u"use").toArray()) {
            if (!propertySets.contains(set.toString()))
                return bad(c.displayName() + ": no property set " + u8(set.toString()));
            if (auto s = addProperties(bag, propertySets.value(set.toString()).toObject(), pictures, formFont, c.displayName()); !s)
                return s;
        }
        if (auto s = addProperties(bag, o.value(u"props").toObject(), pictures, formFont, c.displayName()); !s)
            return s;
        c.load(&bag);
        return success();
    }
};

} // namespace

Result<std::unique_ptr<Form>> loadForm(const std::string& json, const FormServices& services, const HostedFactory& factory,
                                       const PictureSource& pictures)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &parseError);
    if (doc.isNull())
        return bad(u8(parseError.errorString()) + " at offset " + std::to_string(parseError.offset));
    const QJsonObject root = doc.object();
    Loader loader{services, factory, pictures, std::make_unique<Form>(u8(root.value(u"name").toString()), services), {}, {}};
    Form& form = *loader.form;
    form.setCaption(u8(root.value(u"caption").toString()));
    form.setSize(root.value(u"width").toInt(), root.value(u"height").toInt());
    form.setIcon(loader.picture(root.value(u"icon")));
    loader.formFont = fontFrom(root.value(u"font").toObject());
    loader.propertySets = root.value(u"propertySets").toObject();
    for (const QJsonValue v : root.value(u"controls").toArray()) {
        const QJsonObject o = v.toObject();
        auto created = loader.create(o);
        if (!created)
            return created.error();
        if (auto s = loader.configure(*created.value(), o); !s)
            return s.error();
    }
    std::vector<std::string> order;
    for (const QJsonValue v : root.value(u"order").toArray())
        order.push_back(u8(v.toString()));
    // The back-to-front listing is kept for the view; the window's order is the stored one.
    std::vector<Control*> stacking;
    for (const auto& c : form.controls())
        stacking.push_back(c.get());
    for (size_t i = 0; i < stacking.size(); ++i)
        stacking[i]->setAttribute("z", std::to_string(i));
    if (!order.empty())
        form.setWindowOrder(order);
    return std::move(loader.form);
}

} // namespace platform
