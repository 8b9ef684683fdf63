#pragma once
// Array records that cross between the back end and the spectral library.
// Column-major; a spectrum is an N x 2 FloatArray: wavelengths, then values.

#include <cstdint>

template <typename T>
struct DynamicArray {
    T *data;
    int32_t *size;
    int32_t allocatedSize;
    int32_t numDimensions;
    bool canFreeData;
};

using FloatArray = DynamicArray<float>;
using UInt16Array = DynamicArray<uint16_t>;

FloatArray *createFloatArray(int32_t rows, int32_t cols);
UInt16Array *createUInt16Array(int32_t rows, int32_t cols);
void destroyArray(FloatArray *array);
void destroyArray(UInt16Array *array);

// Product of the extents.
template <typename T>
int64_t elementCount(const DynamicArray<T> &array)
{
    int64_t n = 1;
    for (int32_t d = 0; d < array.numDimensions; ++d)
        n *= array.size[d];
    return n;
}

// Reshapes `array` to rows x cols and grows its block by the capacity rule when needed,
// keeping the first `keep` old elements. Used by routines that resize their outputs.
void resizeArray(FloatArray *array, int32_t rows, int32_t cols, int32_t keep);
void resizeArray(UInt16Array *array, int32_t rows, int32_t cols, int32_t keep);

// Capacity after growing from `allocated` to hold `needed` elements.
int32_t grownCapacity(int32_t allocated, int64_t needed);
