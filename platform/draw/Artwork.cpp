#include "platform/draw/Artwork.h"

#include <cstdio>
#include <future>
#include <map>
#include <mutex>
#include <set>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/draw/QtDraw.h"
#include "resources/artwork/ArtworkResources.h"

namespace platform {
namespace {

const QString kFolder = QStringLiteral(":/art/");

ArtworkEntry::Kind kindOf(const QString& kind)
{
    if (kind == QStringLiteral("skin"))
        return ArtworkEntry::Kind::Skin;
    if (kind == QStringLiteral("cursor"))
        return ArtworkEntry::Kind::Cursor;
    if (kind == QStringLiteral("icon"))
        return ArtworkEntry::Kind::Icon;
    return ArtworkEntry::Kind::Image;
}

std::vector<ArtworkEntry> readManifest()
{
    initArtworkResources();
    QFile file(kFolder + QStringLiteral("manifest.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<ArtworkEntry> entries;
    for (const QJsonValue v : QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("pictures")).toArray()) {
        const QJsonObject o = v.toObject();
        ArtworkEntry e;
        e.name = u8(o.value(QStringLiteral("name")).toString());
        e.kind = kindOf(o.value(QStringLiteral("kind")).toString());
        e.size = {o.value(QStringLiteral("width")).toInt(), o.value(QStringLiteral("height")).toInt()};
        const QJsonArray hot = o.value(QStringLiteral("hotSpot")).toArray();
        if (hot.size() == 2)
            e.hotSpot = Point{hot.at(0).toInt(), hot.at(1).toInt()};
        entries.push_back(std::move(e));
    }
    return entries;
}

const ArtworkEntry* entryOf(const std::string& name)
{
    for (const ArtworkEntry& e : artworkManifest())
        if (e.name == name)
            return &e;
    return nullptr;
}

std::mutex& cacheMutex()
{
    static std::mutex m;
    return m;
}

Result<Picture> decode(const ArtworkEntry& entry)
{
    Result<Surface> image = Surface::load(u8(kFolder) + entry.name + ".png");
    if (!image)
        return image.error();
    if (entry.kind == ArtworkEntry::Kind::Cursor)
        return Picture::cursor(std::move(image).value(), entry.hotSpot.value_or(Point{}));
    return Picture::fromSurface(std::move(image).value());
}

// Each picture is decoded once, by whoever asks first; anyone asking meanwhile waits for it.
Result<Picture> cached(const ArtworkEntry& entry)
{
    static std::map<std::string, std::shared_future<Result<Picture>>> cache;
    std::promise<Result<Picture>> promise;
    std::shared_future<Result<Picture>> future;
    bool mine = false;
    {
        std::lock_guard lock(cacheMutex());
        if (const auto it = cache.find(entry.name); it != cache.end()) {
            future = it->second;
        } else {
            future = promise.get_future().share();
            cache.emplace(entry.name, future);
            mine = true;
        }
    }
    if (mine)
        promise.set_value(decode(entry));
    return future.get();
}

} // namespace

const std::vector<ArtworkEntry>& artworkManifest()
{
    static const std::vector<ArtworkEntry> entries = readManifest();
    return entries;
}

Result<Picture> findArtwork(const std::string& name)
{
    const ArtworkEntry* entry = entryOf(name);
    if (!entry)
        return Error{Error::Code::NotFound, "the artwork has no picture \"" + name + "\""};
    return cached(*entry);
}

void prefetchArtwork()
{
    static std::future<void> running = std::async(std::launch::async, [] {
        for (const ArtworkEntry& e : artworkManifest())
            (void)cached(e);
    });
}

Picture loadArtwork(const std::string& name)
{
    Result<Picture> picture = findArtwork(name);
    if (picture)
        return picture.value();
    std::lock_guard lock(cacheMutex());
    static std::set<std::string> reported;
    if (reported.insert(name).second)
        std::fprintf(stderr, "artwork: %s\n", picture.error().message.c_str());
    return Picture::absent();
}

} // namespace platform
