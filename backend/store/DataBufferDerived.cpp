// DataBuffer: the spectra derived on demand from the stored source and reference.

#include "store/DataBuffer.h"
#include "store/RatioSpectra.h"

#include <algorithm>
#include <limits>

void DataBuffer::computeRatio(RatioKind kind, QList<double> &out) const
{
    // The zeros left by clearing the source before a reference are no sample: they would read
    // as an opaque one.
    computeRatioSpectrum(kind, m_source, m_reference, m_hasReference && m_sampleAfterReference, out);
}

const QList<double> &DataBuffer::getAbsorbance()
{
    computeRatio(RatioKind::Absorbance, m_absorbance);
    return m_absorbance;
}

const QList<double> &DataBuffer::getTransmittance()
{
    computeRatio(RatioKind::Transmittance, m_transmittance);
    return m_transmittance;
}

const QList<double> &DataBuffer::getReflectance()
{
    computeRatio(RatioKind::Reflectance, m_reflectance);
    return m_reflectance;
}

const QList<double> &DataBuffer::getRamanKey(RamanSpectrumType)
{
    computeRaman();
    return m_raman.shift;
}

const QList<double> &DataBuffer::getRamanValue(RamanSpectrumType type)
{
    computeRaman();
    switch (type) {
    case RamanClean:
        return m_raman.clean;
    case RamanFluorescence:
        return m_raman.fluorescence;
    default:
        return m_raman.raw;
    }
}

// Once per source spectrum, however many charts ask.
void DataBuffer::computeRaman()
{
    if (!m_ramanDirty)
        return;
    if (computeRamanResults(m_wavelengths, m_source, m_raman))
        m_ramanDirty = false;
}

void DataBuffer::clearDerivedSpectra()
{
    m_raman.clearSpectraAndPeaks();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (QList<double> *ratio : {&m_absorbance, &m_transmittance, &m_reflectance})
        std::fill(ratio->begin(), ratio->end(), nan);
}
