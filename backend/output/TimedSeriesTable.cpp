#include "TimedSeriesTable.h"

#include "format/NumberText.h"
#include "output/ResultCsvWriter.h"
#include "store/DataBuffer.h"

#include <QIODevice>
#include <QJsonObject>
#include <algorithm>
#include <cstring>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
// A piece of the text is handed to the device once it is this long.
constexpr qsizetype kPieceBytes = 1 << 20;

QByteArray itemValue(const QList<QJsonObject> &items, int index)
{
    return index < items.size() ? items.at(index).value(QStringLiteral("value")).toString().toUtf8() : QByteArray();
}

// The local date and time without its zone: written back as it was read, whatever the
// zone's rules do meanwhile.
qint64 wallClockSeconds(const QDateTime &time)
{
    const QTime t = time.time();
    return QDateTime(time.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC).toSecsSinceEpoch();
}

} // namespace

void TimedSeriesTable::begin(const DataBuffer &buffer)
{
    clear();
    const QList<QJsonObject> &items = buffer.lastResultItems();
    m_wavelengths = buffer.wavelengths().mid(0, buffer.getWlLength());

    m_firstFields.append(QByteArrayLiteral("Time"));
    for (const QJsonObject &item : items)
        m_firstFields.append(item.value(QStringLiteral("key")).toString().toUtf8());
    m_firstFields.append(QByteArrayLiteral("exposure time(ms)"));
    for (double wl : m_wavelengths)
        m_firstFields.append(NumberText::general(wl).toLatin1());
    m_itemFields.resize(size_t(items.size()));
    m_numbers.resize(size_t(1 + m_wavelengths.size()));
}

void TimedSeriesTable::append(const DataBuffer &buffer, const QDateTime &time)
{
    if (isEmpty())
        return;
    m_times.push_back(wallClockSeconds(time));

    const QList<QJsonObject> &items = buffer.lastResultItems();
    for (size_t i = 0; i < m_itemFields.size(); ++i) {
        m_itemFields[i].push_back(',');
        const QByteArray value = itemValue(items, int(i));
        m_itemFields[i].insert(m_itemFields[i].end(), value.cbegin(), value.cend());
    }
    // The sample's own exposure, not a setting made since its spectrum came.
    m_numbers[0].push_back(NumberText::packGeneral(buffer.sourceExpoTime() / 1000.0));

    // The axis is whole nanometres from its start: find each wavelength of the begin.
    const QList<double> &axis = buffer.wavelengths();
    const QList<double> &values = ResultCsvWriter::exportedSpectrum(buffer);
    const int axisLength = std::min<int>(axis.size(), values.size());
    for (int line = 0; line < m_wavelengths.size(); ++line) {
        const double wl = m_wavelengths.at(line);
        quint32 field = NumberText::kPackedBlank;
        if (axisLength > 0) {
            const double offset = wl - axis.first();
            if (offset >= 0 && offset < axisLength) {
                const int index = int(offset);
                if (axis.at(index) == wl)
                    field = NumberText::packGeneral(values.at(index));
            }
        }
        m_numbers[size_t(1 + line)].push_back(field);
    }
}

void TimedSeriesTable::clear()
{
    m_firstFields.clear();
    m_wavelengths.clear();
    m_times.clear();
    m_times.shrink_to_fit();
    m_itemFields.clear();
    m_numbers.clear();
}

namespace {

// Text gathered for the device and handed over a piece at a time.
class PieceWriter
{
public:
    explicit PieceWriter(QIODevice &device)
        : m_device(device), m_piece(kPieceBytes, Qt::Uninitialized), m_begin(m_piece.data())
    {
    }

    // Room for `bytes` more (at most a piece), handing the piece over first when it has less.
    char *room(qsizetype bytes)
    {
        if (m_size + bytes > kPieceBytes)
            handOver();
        return m_begin + m_size;
    }
    void advanceTo(const char *end) { m_size = end - m_begin; }
    void append(char byte)
    {
        *room(1) = byte;
        ++m_size;
    }
    void append(const QByteArray &bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const qsizetype part = std::min(bytes.size() - done, kPieceBytes);
            std::memcpy(room(part), bytes.constData() + done, size_t(part));
            m_size += part;
            done += part;
        }
    }
    bool failed() const { return !m_taken; }
    // False when the device took fewer bytes than it was given, now or before.
    bool handOver()
    {
        m_taken = m_taken && m_device.write(m_begin, m_size) == m_size;
        m_size = 0;
        return m_taken;
    }

private:
    QIODevice &m_device;
    QByteArray m_piece;
    char *m_begin;
    qsizetype m_size = 0;
    bool m_taken = true;
};

} // namespace

bool TimedSeriesTable::write(QIODevice &device) const
{
    PieceWriter out(device);
    for (int line = 0; line < m_firstFields.size(); ++line) {
        out.append(m_firstFields.at(line));
        const size_t items = m_itemFields.size();
        if (line == 0) {
            for (qint64 seconds : m_times) {
                out.append(',');
                out.append(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(kTimeFormat).toLatin1());
            }
        } else if (size_t(line) <= items) {
            for (char byte : m_itemFields[size_t(line - 1)])
                out.append(byte);
        } else {
            for (quint32 number : m_numbers[size_t(line - 1) - items]) {
                char *at = out.room(1 + NumberText::kMaxPackedTextBytes);
                *at++ = ',';
                out.advanceTo(NumberText::writePacked(at, number));
            }
        }
        out.append('\n');
        if (out.failed())
            return false;
    }
    return out.handOver();
}

qint64 TimedSeriesTable::bytesPerSample(const DataBuffer &buffer)
{
    const QList<QJsonObject> &items = buffer.lastResultItems();
    qint64 bytes = qint64(sizeof(qint64)) + qint64(sizeof(quint32)) * (1 + buffer.getWlLength());
    for (int i = 0; i < items.size(); ++i)
        bytes += 1 + itemValue(items, i).size();
    // The blocks' own bookkeeping: a pointer and the allocator's header per 512 bytes.
    return bytes + bytes / 16;
}
