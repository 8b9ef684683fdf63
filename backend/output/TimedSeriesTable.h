#pragma once
// The samples of a timed series, held as a transposed table: one line per quantity
// (time, each result item, exposure, each wavelength), one column per sample.

#include <QDateTime>
#include <QList>
#include <QStringList>

class DataBuffer;

class TimedSeriesTable
{
public:
    // Starts a new table with the first field of every line, from the store as it is now.
    void begin(const DataBuffer &buffer);
    // Adds one column. Lines are those of the begin: a result item or wavelength that the
    // store no longer has (model or range changed meanwhile) gets an empty field.
    void append(const DataBuffer &buffer, const QDateTime &time);
    void clear();

    bool isEmpty() const { return m_lines.isEmpty(); }
    int sampleCount() const { return m_samples; }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    int m_itemCount = 0;
    QList<double> m_wavelengths;
    int m_samples = 0;
};
