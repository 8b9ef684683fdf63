#pragma once
// The samples of a timed series, held until its end as a transposed table: one line per
// quantity (time, each result item, exposure, each wavelength), one column per sample. A
// series may run for days, so a sample is held compactly (its numbers in four bytes each,
// in blocks that never need a copy to grow) and made into text only as the file is written.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <deque>
#include <vector>

class DataBuffer;
class QIODevice;

class TimedSeriesTable
{
public:
    // Starts a new table with the first field of every line, from the store as it is now.
    void begin(const DataBuffer &buffer);
    // Adds one column. Lines are those of the begin: a result item or wavelength that the
    // store no longer has (model or range changed meanwhile) gets an empty field.
    void append(const DataBuffer &buffer, const QDateTime &time);
    void clear();

    bool isEmpty() const { return m_firstFields.isEmpty(); }
    int sampleCount() const { return int(m_times.size()); }

    // Writes the table as UTF-8 text, each line ended by '\n', a piece at a time: no copy of
    // the whole is made. False when the device took fewer bytes than it was given.
    bool write(QIODevice &device) const;

    // What one more sample of the store as it is now will hold, in bytes, at most.
    static qint64 bytesPerSample(const DataBuffer &buffer);

private:
    QList<QByteArray> m_firstFields; // UTF-8, one per line
    QList<double> m_wavelengths;
    std::deque<qint64> m_times; // the local date and time, counted as if it were UTC
    std::vector<std::deque<char>> m_itemFields; // per item: "," + its text, for each sample
    std::vector<std::deque<quint32>> m_numbers; // exposure, then each wavelength: packed
};
