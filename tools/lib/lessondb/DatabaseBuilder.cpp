#include "tools/lib/lessondb/DatabaseBuilder.h"

#include <cstdint>

#include "tools/lib/lessondb/DataPage.h"
#include "tools/lib/lessondb/HeaderPage.h"
#include "tools/lib/lessondb/JetFormat.h"
#include "tools/lib/lessondb/SystemTables.h"
#include "tools/lib/lessondb/UsageMap.h"

namespace lessondb {
namespace {

constexpr std::uint32_t kMapsPage = 6;
constexpr std::uint32_t kCatalogPage = 7;
constexpr std::uint32_t kUserDefinitionPage = 8;
constexpr std::uint32_t kFirstUserDataPage = 9;
// The largest Jet 4 file: 2 GiB.
constexpr std::uint64_t kMaxPages = (std::uint64_t{2} << 30) / jet::kPageSize;

constexpr std::uint32_t kContainerParent = 0x0F000000;
constexpr std::uint32_t kDatabasesContainerId = 0x0F000002;
constexpr std::uint32_t kRelationshipsContainerId = 0x0F000003;
constexpr std::uint32_t kDatabaseObjectId = 0x10000000;
// The free-page map's owner field, as the engine writes it.
constexpr std::uint32_t kFreePageMapOwner = 1;

enum ObjectType : std::int16_t { TableObject = 1, DatabaseObject = 2, ContainerObject = 3 };

std::uint32_t rowPointer(std::uint32_t page, std::uint8_t row) { return page << 8 | row; }

// The pages after the user table's data pages: bitmap pages, numbered as they are added.
class TrailingPages {
public:
    explicit TrailingPages(std::uint32_t first) : m_next(first) {}

    std::uint32_t add(std::string page)
    {
        m_pages.push_back(std::move(page));
        return m_next++;
    }

    // MAP's row, after adding the bitmap pages it needs.
    std::string placeMap(const UsageMap& map)
    {
        if (map.isInline())
            return map.row();
        std::vector<std::uint32_t> slots;
        for (std::size_t slot : map.slotsInUse()) {
            slots.resize(slot + 1, 0);
            slots[slot] = add(map.bitmapPage(slot));
        }
        return map.row(slots);
    }

    std::uint32_t fileEnd() const { return m_next; }
    const std::vector<std::string>& pages() const { return m_pages; }

private:
    std::uint32_t m_next;
    std::vector<std::string> m_pages;
};

// The file's own map, of the pages that are free: none inside the file, every page past its
// end that the map covers. Placed last, since its bitmap pages (for a file of more than 512
// pages) belong to the file as well.
std::string placeFreePageMap(TrailingPages& trailing)
{
    UsageMap freePages;
    const std::uint32_t used = trailing.fileEnd();
    const std::size_t inlineCover = jet::kInlineMapBytes * 8;
    if (used <= inlineCover) {
        freePages.addRange(used, static_cast<std::uint32_t>(inlineCover));
        return freePages.row();
    }
    std::uint32_t own = 0;
    while (own * jet::kPagesPerBitmapPage < used + own)
        ++own;
    const std::uint32_t end = used + own;
    freePages.useReferenceForm();
    freePages.addRange(end, static_cast<std::uint32_t>(own * jet::kPagesPerBitmapPage));
    std::vector<std::uint32_t> slots;
    for (std::uint32_t slot = 0; slot < own; ++slot)
        slots.push_back(trailing.add(freePages.bitmapPage(slot)));
    return freePages.row(slots);
}

} // namespace

platform::Result<std::string> DatabaseBuilder::build(const TableDefinition& table,
                                                     const std::vector<std::vector<Value>>& rows) const
{
    // The user table's rows, packed page after page in their order.
    std::vector<DataPage> dataPages;
    for (const std::vector<Value>& values : rows) {
        std::string row = table.encodeRow(values);
        if (dataPages.empty() || !dataPages.back().fits(row.size()))
            dataPages.emplace_back(kUserDefinitionPage);
        dataPages.back().add(std::move(row));
    }
    if (kFirstUserDataPage + dataPages.size() + 2 * jet::kReferenceMapSlots > kMaxPages)
        return platform::Error{platform::Error::Code::WriteFailed,
                               "the rows need more than the 2 GiB an Access file can hold"};

    // The catalog: the engine's containers and database object, then every table.
    const std::array<SystemTable, 4> system = systemTables();
    const TableDefinition& objects = system[0].definition;
    DataPage catalog(system[0].definitionPage);
    const auto addObject = [&](std::uint32_t id, std::uint32_t parent, const std::string& name, ObjectType type,
                               std::uint32_t flags) {
        std::vector<Value> values(objects.columnCount());
        values[0] = static_cast<std::int32_t>(id);
        values[1] = static_cast<std::int32_t>(parent);
        values[2] = std::u16string(name.begin(), name.end());
        values[3] = static_cast<std::int16_t>(type);
        values[4] = m_created;
        values[5] = m_created;
        values[7] = static_cast<std::int32_t>(flags);
        catalog.add(objects.encodeRow(values));
    };
    addObject(jet::kTablesContainerId, kContainerParent, "Tables", ContainerObject, jet::kSystemObjectFlags);
    addObject(kDatabasesContainerId, kContainerParent, "Databases", ContainerObject, jet::kSystemObjectFlags);
    addObject(kRelationshipsContainerId, kContainerParent, "Relationships", ContainerObject, jet::kSystemObjectFlags);
    addObject(kDatabaseObjectId, kDatabasesContainerId, "MSysDb", DatabaseObject, jet::kSystemObjectFlags);
    for (const SystemTable& t : system)
        addObject(t.definitionPage, jet::kTablesContainerId, t.definition.name(), TableObject, jet::kSystemObjectFlags);
    addObject(kUserDefinitionPage, jet::kTablesContainerId, table.name(), TableObject, 0);

    // Every usage map, as rows of one page: each table's pair (pages owned, owned pages with
    // room for a row), then a pair for each of its long-value columns.
    DataPage maps(0);
    const auto addMap = [&](const std::string& row) { return rowPointer(kMapsPage, maps.add(row)); };
    std::vector<std::string> definitions;
    for (const SystemTable& t : system) {
        UsageMap owned;
        UsageMap withRoom;
        if (&t == &system[0]) {
            owned.add(kCatalogPage);
            withRoom.add(kCatalogPage);
        }
        const MapPair pair{addMap(owned.row()), addMap(withRoom.row())};
        std::vector<MapPair> longValues;
        for (std::size_t i = 0; i < t.definition.longValueColumnCount(); ++i)
            longValues.push_back({addMap(UsageMap().row()), addMap(UsageMap().row())});
        const std::size_t rowCount = &t == &system[0] ? catalog.rowCount() : 0;
        definitions.push_back(t.definition.encodeDefinitionPage(static_cast<std::uint32_t>(rowCount), pair, longValues));
    }

    TrailingPages trailing(static_cast<std::uint32_t>(kFirstUserDataPage + dataPages.size()));
    const std::size_t smallestRow = table.encodeRow(std::vector<Value>(table.columnCount(), std::u16string())).size();
    UsageMap owned;
    UsageMap withRoom;
    for (std::size_t i = 0; i < dataPages.size(); ++i) {
        const auto page = static_cast<std::uint32_t>(kFirstUserDataPage + i);
        owned.add(page);
        if (dataPages[i].fits(smallestRow))
            withRoom.add(page);
    }
    const MapPair userMaps{addMap(trailing.placeMap(owned)), addMap(trailing.placeMap(withRoom))};
    const std::string userDefinition
        = table.encodeDefinitionPage(static_cast<std::uint32_t>(rows.size()), userMaps, {});

    DataPage freePageMap(kFreePageMapOwner);
    freePageMap.add(placeFreePageMap(trailing));
    freePageMap.add(UsageMap().row()); // a second map, empty in engine-made files too

    std::string file;
    file.reserve(std::size_t{trailing.fileEnd()} * jet::kPageSize);
    file += headerPage();
    file += freePageMap.bytes(); // page 1
    for (const std::string& definition : definitions)
        file += definition;
    file += maps.bytes();
    file += catalog.bytes();
    file += userDefinition;
    for (const DataPage& page : dataPages)
        file += page.bytes();
    for (const std::string& page : trailing.pages())
        file += page;
    return file;
}

} // namespace lessondb
