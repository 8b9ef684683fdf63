#include "PdfTools.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace testsupport {

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString infoField(const QString &path, const QString &field)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

} // namespace

QSizeF pdfPageSize(const QString &path)
{
    // "595 x 842 pts (A4)"; poppler may print decimals.
    const QRegularExpression size(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match = size.match(infoField(path, QStringLiteral("Page size")));
    if (!match.hasMatch())
        return QSizeF();
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

int pdfPageCount(const QString &path)
{
    return infoField(path, QStringLiteral("Pages")).toInt();
}

QString pdfText(const QString &path, int first, int last)
{
    QStringList arguments;
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first);
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    arguments << QStringLiteral("-enc") << QStringLiteral("UTF-8") << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

QList<PdfWord> pdfWords(const QString &path)
{
    // <page width=".." height=".."> then <word xMin=".." yMin=".." xMax=".." yMax="..">text</word>
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                              QStringLiteral("-")});
    const QRegularExpression tag(QStringLiteral("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" "
                                                "xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        QString text = match.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({page, QRectF(topLeft, bottomRight), text});
    }
    return words;
}

QList<PdfImage> pdfImages(const QString &path)
{
    // page num type width height color comp bpc enc ...; two header lines.
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QList<PdfImage> images;
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() < 14 || fields.at(2) != QLatin1String("image"))
            continue;
        images.append({fields.at(0).toInt(), fields.at(3).toInt(), fields.at(4).toInt()});
    }
    return images;
}

QList<QImage> pdfImagePixels(const QString &path, const QString &folder)
{
    const QString prefix = QDir(folder).filePath(QStringLiteral("image"));
    run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, prefix}); // prints nothing
    QList<QImage> images;
    // "image-000.png", "image-001.png", ...: the names sort in page order.
    const QStringList files = QDir(folder).entryList({QStringLiteral("image-*.png")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        images.append(QImage(QDir(folder).filePath(file)));
    return images;
}

} // namespace testsupport
