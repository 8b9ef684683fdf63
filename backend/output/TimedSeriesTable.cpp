#include "TimedSeriesTable.h"

#include "format/NumberText.h"
#include "output/ResultCsvWriter.h"
#include "store/DataBuffer.h"

#include <QJsonObject>
#include <algorithm>

namespace {
QString number(double value) { return NumberText::general(value); }
} // namespace

void TimedSeriesTable::begin(const DataBuffer &buffer)
{
    clear();
    const QList<QJsonObject> &items = buffer.lastResultItems();
    m_itemCount = items.size();
    m_wavelengths = buffer.wavelengths().mid(0, buffer.getWlLength());

    m_lines.append(QStringLiteral("Time"));
    for (const QJsonObject &item : items)
        m_lines.append(item.value(QStringLiteral("key")).toString());
    m_lines.append(QStringLiteral("exposure time(ms)"));
    for (double wl : m_wavelengths)
        m_lines.append(number(wl));
}

void TimedSeriesTable::append(const DataBuffer &buffer, const QDateTime &time)
{
    if (isEmpty())
        return;
    int line = 0;
    m_lines[line++] += QLatin1Char(',') + time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    const QList<QJsonObject> &items = buffer.lastResultItems();
    for (int i = 0; i < m_itemCount; ++i) {
        const QString value =
            i < items.size() ? items.at(i).value(QStringLiteral("value")).toString() : QString();
        m_lines[line++] += QLatin1Char(',') + value;
    }
    // The sample's own exposure, not a setting made since its spectrum came.
    m_lines[line++] += QLatin1Char(',') + number(buffer.sourceExpoTime() / 1000.0);

    // The axis is whole nanometres from its start: find each wavelength of the begin.
    const QList<double> &axis = buffer.wavelengths();
    const QList<double> &values = ResultCsvWriter::exportedSpectrum(buffer);
    const int axisLength = std::min<int>(axis.size(), values.size());
    for (double wl : m_wavelengths) {
        QString field;
        if (axisLength > 0) {
            const double offset = wl - axis.first();
            if (offset >= 0 && offset < axisLength) {
                const int index = int(offset);
                if (axis.at(index) == wl)
                    field = number(values.at(index));
            }
        }
        m_lines[line++] += QLatin1Char(',') + field;
    }
    ++m_samples;
}

void TimedSeriesTable::clear()
{
    m_lines.clear();
    m_itemCount = 0;
    m_wavelengths.clear();
    m_samples = 0;
}
