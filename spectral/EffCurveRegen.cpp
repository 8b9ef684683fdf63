#include "EffCurveRegen.h"

#include "CurveInterpolation.h"
#include "CurveVectorOps.h"
#include "LibraryCore.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using namespace spectral;

const char kReferenceNegative[] = "reference spec < 0";
const char kWavelengthsWrong[] = "wl settings wrong";
const char kReferenceZero[] = "exist region: reference spec == 0 and sample spec > 0";
const char kSampleAllZero[] = "intersection region: sample spec all zero";
const char kSucceeded[] = "regeneffcurve succeed";

void setStatus(RegenStatus *status, uint16_t code, const char *message)
{
    status->code = code;
    std::memset(status->message, 0, sizeof status->message);
    const size_t length = std::strlen(message);
    const size_t copied = length < sizeof status->message - 1 ? length : sizeof status->message - 1;
    std::memcpy(status->message, message, copied);
    status->messageSize[0] = 1;
    status->messageSize[1] = int32_t(copied + 1);
}

int32_t rowsOf(const FloatArray *array, int columns)
{
    if (!array || !array->data || !array->size || array->numDimensions < 1)
        return 0;
    const int32_t rows = array->size[0];
    if (rows <= 0 || int64_t(rows) * columns > array->allocatedSize)
        return 0;
    return rows;
}

// Element count of a K x 1 array, 0 for a record that cannot be read safely.
int32_t vectorLength(const FloatArray *array)
{
    if (!array || !array->data || !array->size || array->numDimensions < 1)
        return 0;
    const int64_t count = elementCount(*array);
    return count > 0 && count <= array->allocatedSize ? int32_t(count) : 0;
}

struct Table {
    std::vector<float> wavelength;
    std::vector<float> value;
};

// Sorts the rows of an M x 2 array by wavelength, in place, and returns them.
Table sortTableInPlace(FloatArray *array)
{
    Table t;
    const int32_t rows = rowsOf(array, 2);
    if (rows == 0)
        return t;
    t.wavelength.assign(array->data, array->data + rows);
    std::vector<int> order;
    sortWithIndex(t.wavelength, order);
    t.value.resize(size_t(rows));
    for (int32_t i = 0; i < rows; ++i)
        t.value[size_t(i)] = array->data[rows + order[size_t(i)] - 1];
    std::memcpy(array->data, t.wavelength.data(), size_t(rows) * sizeof(float));
    std::memcpy(array->data + rows, t.value.data(), size_t(rows) * sizeof(float));
    return t;
}

Table rowsInWindow(const Table &t, float lo, float hi)
{
    Table kept;
    for (size_t i = 0; i < t.wavelength.size(); ++i) {
        if (t.wavelength[i] >= lo && t.wavelength[i] <= hi) {
            kept.wavelength.push_back(t.wavelength[i]);
            kept.value.push_back(t.value[i]);
        }
    }
    return kept;
}

bool wholeAndConsecutive(const std::vector<float> &wavelengths)
{
    for (size_t i = 0; i < wavelengths.size(); ++i) {
        if (!(std::floor(wavelengths[i]) == wavelengths[i]))
            return false;
        if (i > 0 && wavelengths[i] != wavelengths[i - 1] + 1.0f)
            return false;
    }
    return true;
}

// The kept rows of both tables and the device axis must describe the same consecutive
// whole nanometres; anything else (fractional or missing wavelengths) would misalign rows
// and overrun the device axis during the extension.
bool alignedOnWholeNanometres(const Table &sample, const Table &reference,
                              const std::vector<float> &device)
{
    return wholeAndConsecutive(sample.wavelength) && wholeAndConsecutive(device) &&
           sample.wavelength == reference.wavelength;
}

// Extends y3 (on x3) to the device axis [first, last] with a slope that fades to zero.
std::vector<float> extendToDeviceAxis(const std::vector<float> &x3, const std::vector<float> &y3,
                                      float first, float last)
{
    const size_t n = x3.size();
    const std::vector<float> d = diffArray(y3);
    std::vector<float> slopeX(x3.begin() + 1, x3.end());

    std::vector<float> left;
    if (x3.front() > first) {
        std::vector<float> px{first + 1.0f};
        px.insert(px.end(), slopeX.begin(), slopeX.end());
        std::vector<float> py{0.0f};
        py.insert(py.end(), d.begin(), d.end());
        const std::vector<float> at = makeRange(first + 1.0f, x3.front());
        const std::vector<float> sL = interpolateLinear(px, py, at);
        // left[j] is the value at first + j; sL[j] is the slope at first + 1 + j.
        left.resize(at.size());
        float y = y3.front();
        for (size_t j = left.size(); j-- > 0;) {
            y = y - sL[j];
            left[j] = y;
        }
    }

    std::vector<float> right;
    if (x3.back() < last) {
        std::vector<float> px(slopeX);
        px.push_back(last);
        std::vector<float> py(d);
        py.push_back(0.0f);
        const std::vector<float> at = makeRange(x3.back() + 1.0f, last);
        const std::vector<float> sR = interpolateLinear(px, py, at);
        right.resize(at.size());
        float y = y3.back();
        for (size_t j = 0; j < right.size(); ++j) {
            y = y + sR[j];
            right[j] = y;
        }
    }

    std::vector<float> extended;
    extended.reserve(left.size() + n + right.size());
    extended.insert(extended.end(), left.begin(), left.end());
    extended.insert(extended.end(), y3.begin(), y3.end());
    extended.insert(extended.end(), right.begin(), right.end());
    return extended;
}

} // namespace

void regeneffcurve(FloatArray *sample, FloatArray *reference, FloatArray *deviceWavelengths,
                   FloatArray *newCurve, RegenStatus *status)
{
    initSpectralLibrary();
    const float nan = nanValue();
    if (!status)
        return;
    if (!newCurve || !newCurve->size)
        return setStatus(status, 1, kWavelengthsWrong);

    const Table sampleTable = sortTableInPlace(sample);
    const Table referenceTable = sortTableInPlace(reference);
    std::vector<float> device;
    const int32_t deviceCount = vectorLength(deviceWavelengths);
    if (deviceCount > 0) {
        device.assign(deviceWavelengths->data, deviceWavelengths->data + deviceCount);
        sortAscending(device);
        std::memcpy(deviceWavelengths->data, device.data(), size_t(deviceCount) * sizeof(float));
    }
    resizeArray(newCurve, deviceCount, 1, 0);
    for (int32_t i = 0; i < deviceCount; ++i)
        newCurve->data[i] = nan;

    for (float v : referenceTable.value) {
        if (v < 0.0f)
            return setStatus(status, 1, kReferenceNegative);
    }

    const float lo = nanMax3(sampleTable.wavelength.empty() ? nan : sampleTable.wavelength.front(),
                             referenceTable.wavelength.empty() ? nan : referenceTable.wavelength.front(),
                             device.empty() ? nan : device.front());
    const float hi = nanMin3(sampleTable.wavelength.empty() ? nan : sampleTable.wavelength.back(),
                             referenceTable.wavelength.empty() ? nan : referenceTable.wavelength.back(),
                             device.empty() ? nan : device.back());
    const Table keptSample = rowsInWindow(sampleTable, lo, hi);
    const Table keptReference = rowsInWindow(referenceTable, lo, hi);
    if (keptSample.value.empty() || keptReference.value.empty() || device.empty())
        return setStatus(status, 1, kWavelengthsWrong);

    // Checked before the grid is made, so the grid is no longer than the kept rows.
    if (!alignedOnWholeNanometres(keptSample, keptReference, device))
        return setStatus(status, 1, kWavelengthsWrong);
    const std::vector<float> grid = makeRange(lo, hi);
    if (grid != keptSample.wavelength)
        return setStatus(status, 1, kWavelengthsWrong);

    const size_t rows = keptSample.value.size();
    for (size_t i = 0; i < rows; ++i) {
        if (keptReference.value[i] == 0.0f && keptSample.value[i] > 0.0f)
            return setStatus(status, 1, kReferenceZero);
    }

    const std::vector<float> ratio = divideSpectra(keptSample.value, keptReference.value);
    std::vector<float> positiveX, positiveRatio;
    for (size_t i = 0; i < ratio.size(); ++i) {
        // An infinite ratio (a reference value that is all but zero) is no efficiency: it is
        // a gap, and a table of nothing else fails rather than "succeeding" with no curve.
        if (ratio[i] > 0.0f && std::isfinite(ratio[i])) {
            positiveX.push_back(grid[i]);
            positiveRatio.push_back(ratio[i]);
        }
    }
    if (positiveRatio.empty())
        return setStatus(status, 1, kSampleAllZero);

    if (positiveRatio.size() == 1) {
        for (int32_t i = 0; i < deviceCount; ++i)
            newCurve->data[i] = positiveRatio[0];
        return setStatus(status, 0, kSucceeded);
    }

    const std::vector<float> x3 = makeRange(positiveX.front(), positiveX.back());
    const std::vector<float> y3 = interpolateMakima(positiveX, positiveRatio, x3);
    const std::vector<float> extended = extendToDeviceAxis(x3, y3, device.front(), device.back());
    if (extended.size() != device.size())
        return setStatus(status, 1, kWavelengthsWrong);

    std::vector<float> keptDevice, keptValue;
    for (size_t i = 0; i < extended.size(); ++i) {
        if (extended[i] > 0.0f) {
            keptDevice.push_back(device[i]);
            keptValue.push_back(extended[i]);
        }
    }
    // Nothing positive left (only after float overflow) gives a zero curve, which no caller
    // may upload.
    const std::vector<float> curve = interpolateNearest(keptDevice, keptValue, device);
    for (int32_t i = 0; i < deviceCount; ++i)
        newCurve->data[i] = curve[size_t(i)];
    setStatus(status, 0, kSucceeded);
}
