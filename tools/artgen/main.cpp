// artgen PICTURES.json OUT_DIR [--sheet PREVIEWS.json SHEET_DIR]
//
// Draws every picture of PICTURES.json into OUT_DIR/<name>.png and writes
// OUT_DIR/manifest.json (name, size, kind, hot spot, skin state of each file). With --sheet
// it also writes the contact sheet and the screen previews into SHEET_DIR. Runs headless;
// the output depends on the table and the installed fonts only.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

#include "ArtSource.h"
#include "Generator.h"
#include "Sheet.h"

namespace {

QJsonObject readJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        artgen::fail(QStringLiteral("cannot read %1").arg(path));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull())
        artgen::fail(QStringLiteral("%1: %2 at offset %3").arg(path, error.errorString()).arg(error.offset));
    return doc.object();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        artgen::fail(QStringLiteral("cannot write %1").arg(path));
}

int run(const QStringList& args)
{
    if (args.size() != 3 && !(args.size() == 6 && args.at(3) == QStringLiteral("--sheet"))) {
        std::fprintf(stderr, "usage: artgen PICTURES.json OUT_DIR [--sheet PREVIEWS.json SHEET_DIR]\n");
        return 2;
    }
    const QJsonObject root = readJson(args.at(1));
    const QString out = args.at(2);
    if (!QDir().mkpath(out))
        artgen::fail(QStringLiteral("cannot create %1").arg(out));
    artgen::ArtSource source(root);
    const std::vector<artgen::Output> outputs = artgen::generate(source, root);
    for (const artgen::Output& o : outputs)
        if (!o.image.save(out + QLatin1Char('/') + o.name + QStringLiteral(".png"), "PNG"))
            artgen::fail(QStringLiteral("cannot write %1.png").arg(o.name));
    writeFile(out + QStringLiteral("/manifest.json"), QJsonDocument(artgen::manifestOf(outputs)).toJson(QJsonDocument::Indented));
    if (args.size() == 6)
        artgen::writeSheets(source, outputs, readJson(args.at(4)), args.at(5));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const artgen::SourceError& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
}
