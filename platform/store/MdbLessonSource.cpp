#include "platform/store/MdbLessonSource.h"

#include <csignal>
#include <cstring>
#include <utility>

#include "platform/log/ActionLog.h"
#include "platform/store/ChildProcess.h"
#include "platform/store/JetFile.h"
#include "platform/store/MdbReader.h"

namespace platform {
namespace {

Error damaged(const std::string& path, const std::string& why)
{
    return Error { Error::Code::BadFormat, "The lesson file " + path + " is damaged (" + why + ")." };
}

} // namespace

MdbLessonSource::MdbLessonSource(std::string path, MdbLessonSourceOptions options)
    : m_path(std::move(path))
    , m_options(std::move(options))
{
}

Result<std::vector<LessonRow>> MdbLessonSource::query(const std::string& table, const std::string& id)
{
    Result<std::vector<LessonRow>> result = read(table, id);
    std::string detail = table + " \"" + id + "\": ";
    detail += result ? std::to_string(result.value().size()) + " rows" : "failed: " + result.error().message;
    actionlog::write("store.query", detail);
    return result;
}

Result<std::vector<LessonRow>> MdbLessonSource::read(const std::string& table, const std::string& id) const
{
    if (Status checked = checkJet4File(m_path); !checked)
        return checked.error();
    if (!m_options.isolated)
        return readLessonRowsWithMdb(m_path, table, m_options.columns, id);

    const ChildOutcome outcome
        = runInChild([&] { return readLessonRowsEncoded(m_path, table, m_options.columns, id); }, m_options.timeout, m_options.memoryLimit);
    switch (outcome.kind) {
    case ChildOutcome::Kind::Finished:
        if (auto rows = decodeRows(outcome.bytes))
            return std::move(*rows);
        return damaged(m_path, "its reader returned no readable result");
    case ChildOutcome::Kind::Crashed:
        return damaged(m_path,
            outcome.signal ? std::string("reading it failed with ") + ::strsignal(outcome.signal) : std::string("reading it failed"));
    case ChildOutcome::Kind::TimedOut:
        return damaged(m_path, "reading it did not end within " + std::to_string(m_options.timeout.count()) + " ms");
    case ChildOutcome::Kind::NotStarted:
        break;
    }
    return Error { Error::Code::Other, "The lesson file " + m_path + " could not be read: " + outcome.why + "." };
}

} // namespace platform
