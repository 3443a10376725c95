// Renders glyphs of an icon font into PNG files at build time.
//
//   nova-iconrender <font file> <scss code map> <manifest> <output folder>
//
// The code map is the icon font's SCSS variables file, whose lines read
// `"name": F123,`. Each manifest line names one picture:
//   <output path> <icon name> <size in px> <colour>
// Blank lines and lines starting with '#' are skipped. The exit code is non-zero
// when anything is missing, so a broken manifest fails the build.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

void fail(const QString &message)
{
    std::fprintf(stderr, "nova-iconrender: %s\n", qPrintable(message));
}

QHash<QString, uint> readCodeMap(const QString &path)
{
    QHash<QString, uint> codes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return codes;
    static const QRegularExpression line(QStringLiteral("^\\s*\"([a-z0-9-]+)\"\\s*:\\s*([0-9A-Fa-f]+)\\s*,?\\s*$"));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QRegularExpressionMatch match = line.match(in.readLine());
        if (match.hasMatch())
            codes.insert(match.captured(1), match.captured(2).toUInt(nullptr, 16));
    }
    return codes;
}

// The glyph fills the square edge to edge, centred on its advance and em box.
QImage renderGlyph(QRawFont &font, uint code, int size, const QColor &colour)
{
    font.setPixelSize(size);
    const QVector<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&code, 1));
    if (glyphs.isEmpty() || glyphs.first() == 0)
        return {};
    const QPointF advance = font.advancesForGlyphIndexes(glyphs).value(0);
    const QPainterPath path = font.pathForGlyph(glyphs.first());

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal emHeight = font.ascent() + font.descent();
    painter.translate((size - advance.x()) / 2.0, (size - emHeight) / 2.0 + font.ascent());
    painter.fillPath(path, colour);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        fail(QStringLiteral("usage: nova-iconrender <font> <scss code map> <manifest> <output folder>"));
        return 2;
    }

    QRawFont font(args.at(1), 24);
    if (!font.isValid()) {
        fail(QStringLiteral("cannot load font ") + args.at(1));
        return 1;
    }
    const QHash<QString, uint> codes = readCodeMap(args.at(2));
    QFile manifest(args.at(3));
    if (codes.isEmpty() || !manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read the code map or the manifest"));
        return 1;
    }

    const QDir out(args.at(4));
    int errors = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QColor colour(fields.value(3));
        const int size = fields.value(2).toInt();
        if (fields.size() != 4 || !codes.contains(fields.at(1)) || size <= 0 || !colour.isValid()) {
            fail(QStringLiteral("bad manifest line: ") + line);
            ++errors;
            continue;
        }
        const QImage image = renderGlyph(font, codes.value(fields.at(1)), size, colour);
        const QString target = out.filePath(fields.at(0));
        if (image.isNull() || !QDir().mkpath(QFileInfo(target).path()) || !image.save(target, "PNG")) {
            fail(QStringLiteral("cannot render ") + fields.at(0));
            ++errors;
        }
    }
    return errors == 0 ? 0 : 1;
}
