// The store's wavelength axis: the device's range, taken when its spectra fit the store in
// the model's own frame layout, or refused together with those spectra.
#include "DataBuffer.h"

void DataBuffer::fillAxis()
{
    const int n = getWlLength();
    m_wavelengths.resize(n);
    for (int i = 0; i < n; ++i)
        m_wavelengths[i] = double(m_wlRange[0] + i);
}

void DataBuffer::setWl(quint16 start, quint16 end)
{
    m_deviceRange = {start, end};
    m_deviceRangeKnown = true;
    applyDeviceRange();
}

void DataBuffer::applyDeviceRange()
{
    if (!m_deviceRangeKnown)
        return;
    const auto [start, end] = m_deviceRange;
    // Until the device names its model (a reset keeps the last model's flags) the layout is
    // not known: the wider limit holds, and the model's own applies once it is named.
    const int maxPoints = maxSpectrumPoints(m_isY && !m_deviceModel.isEmpty());
    if (end >= start && end - start + 1 <= maxPoints) {
        m_deviceRangeRefused = false;
        takeAxis(start, end);
        return;
    }
    if (m_deviceRangeRefused)
        return;
    m_deviceRangeRefused = true;
    // Nothing held may be ratioed or saved as if measured over this device's range.
    clearReference();
    clearSource();
    emit wlRangeRefused(start, end, maxPoints);
}

void DataBuffer::takeAxis(quint16 start, quint16 end)
{
    if (start == m_wlRange[0] && end == m_wlRange[1])
        return;
    m_wlRange = {start, end};
    const int n = getWlLength();
    fillAxis();
    m_source.fill(0.0, n);
    m_scaled.fill(0.0, n);
    m_sourceMax = 0.0;
    m_scaledMax = 0.0;
    // Samples stored for the old axis would be replayed against the new one.
    m_specDataSize = 0;
    // A reference taken over the old axis no longer lines up with any sample.
    m_reference.fill(0.0, n);
    m_referenceMax = 0.0;
    setHasReference(false);
    emit wlChanged();
}
