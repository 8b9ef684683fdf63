#include "DynamicArray.h"

#include <cstdlib>
#include <cstring>

namespace {

template <typename T>
DynamicArray<T> *createArray(int32_t rows, int32_t cols)
{
    auto *array = static_cast<DynamicArray<T> *>(std::calloc(1, sizeof(DynamicArray<T>)));
    const int64_t count = (rows > 0 && cols > 0) ? int64_t(rows) * cols : 0;
    array->size = static_cast<int32_t *>(std::calloc(2, sizeof(int32_t)));
    array->size[0] = rows < 0 ? 0 : rows;
    array->size[1] = cols < 0 ? 0 : cols;
    array->numDimensions = 2;
    array->allocatedSize = int32_t(count);
    // calloc(0) may return null or a unique pointer; either frees cleanly.
    array->data = static_cast<T *>(std::calloc(size_t(count > 0 ? count : 1), sizeof(T)));
    array->canFreeData = true;
    return array;
}

template <typename T>
void destroy(DynamicArray<T> *array)
{
    if (!array)
        return;
    if (array->canFreeData && array->data)
        std::free(array->data);
    std::free(array->size);
    std::free(array);
}

template <typename T>
void resize(DynamicArray<T> *array, int32_t rows, int32_t cols, int32_t keep)
{
    if (array->numDimensions < 2) {
        std::free(array->size);
        array->size = static_cast<int32_t *>(std::calloc(2, sizeof(int32_t)));
        array->numDimensions = 2;
    }
    array->size[0] = rows < 0 ? 0 : rows;
    array->size[1] = cols < 0 ? 0 : cols;
    const int64_t needed = int64_t(array->size[0]) * array->size[1];
    if (needed <= array->allocatedSize)
        return;
    const int32_t capacity = grownCapacity(array->allocatedSize, needed);
    T *block = static_cast<T *>(std::calloc(size_t(capacity), sizeof(T)));
    if (keep > 0 && array->data) {
        const int32_t copied = keep < array->allocatedSize ? keep : array->allocatedSize;
        std::memcpy(block, array->data, size_t(copied) * sizeof(T));
    }
    if (array->canFreeData && array->data)
        std::free(array->data);
    array->data = block;
    array->allocatedSize = capacity;
    array->canFreeData = true;
}

} // namespace

int32_t grownCapacity(int32_t allocated, int64_t needed)
{
    int64_t capacity = allocated < 16 ? 16 : allocated;
    while (capacity < needed) {
        if (capacity > 0x3FFFFFFF)
            return 0x7FFFFFFF;
        capacity *= 2;
    }
    return int32_t(capacity);
}

FloatArray *createFloatArray(int32_t rows, int32_t cols) { return createArray<float>(rows, cols); }
UInt16Array *createUInt16Array(int32_t rows, int32_t cols) { return createArray<uint16_t>(rows, cols); }
void destroyArray(FloatArray *array) { destroy(array); }
void destroyArray(UInt16Array *array) { destroy(array); }
void resizeArray(FloatArray *array, int32_t rows, int32_t cols, int32_t keep) { resize(array, rows, cols, keep); }
void resizeArray(UInt16Array *array, int32_t rows, int32_t cols, int32_t keep) { resize(array, rows, cols, keep); }
