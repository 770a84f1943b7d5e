#include "tools/lib/lessondb/SystemTables.h"

#include "tools/lib/lessondb/JetFormat.h"

namespace lessondb {
namespace {

constexpr std::uint8_t kPlain = jet::Updatable | jet::EngineColumn;
constexpr std::uint8_t kSid = jet::Updatable | jet::EngineColumn | jet::EngineBinary;

} // namespace

std::array<SystemTable, 4> systemTables()
{
    using T = ColumnType;
    return {{
        {2, TableDefinition("MSysObjects",
                            {{"Id", T::Long, kPlain},
                             {"ParentId", T::Long, kPlain},
                             {"Name", T::Text, kPlain},
                             {"Type", T::Integer, kPlain},
                             {"DateCreate", T::DateTime, kPlain},
                             {"DateUpdate", T::DateTime, kPlain},
                             {"Owner", T::Binary, kSid},
                             {"Flags", T::Long, kPlain},
                             {"Database", T::Memo, kPlain},
                             {"Connect", T::Memo, kPlain},
                             {"ForeignName", T::Text, kPlain},
                             {"RmtInfoShort", T::Binary, kPlain},
                             {"RmtInfoLong", T::Ole, kPlain},
                             {"Lv", T::Ole, kPlain},
                             {"LvProp", T::Ole, kPlain},
                             {"LvModule", T::Ole, kPlain},
                             {"LvExtra", T::Ole, kPlain}},
                            true)},
        {3, TableDefinition("MSysACEs",
                            {{"ObjectId", T::Long, kPlain},
                             {"SID", T::Binary, kSid},
                             {"ACM", T::Long, kPlain},
                             {"FInheritable", T::Boolean, kPlain}},
                            true)},
        {4, TableDefinition("MSysQueries",
                            {{"ObjectId", T::Long, kPlain},
                             {"Attribute", T::Byte, kPlain},
                             {"Order", T::Binary, kPlain},
                             {"Name1", T::Text, kPlain},
                             {"Name2", T::Text, kPlain},
                             {"Expression", T::Memo, kPlain},
                             {"Flag", T::Integer, kPlain},
                             {"LvExtra", T::Long, kPlain}},
                            true)},
        {5, TableDefinition("MSysRelationships",
                            {{"szRelationship", T::Text, kPlain},
                             {"grbit", T::Long, kPlain},
                             {"ccolumn", T::Long, kPlain},
                             {"icolumn", T::Long, kPlain},
                             {"szObject", T::Text, kPlain},
                             {"szColumn", T::Text, kPlain},
                             {"szReferencedObject", T::Text, kPlain},
                             {"szReferencedColumn", T::Text, kPlain}},
                            true)},
    }};
}

} // namespace lessondb
