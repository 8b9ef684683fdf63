#include "DynamicArray.h"
#include "LibraryCore.h"

#include <QtTest>
#include <cmath>

class TestDynamicArray : public QObject
{
    Q_OBJECT
private slots:
    void createdArraysAreZeroFilledOwnedAndBorrowedDataIsNotFreed()
    {
        FloatArray *a = createFloatArray(3, 2);
        QCOMPARE(a->numDimensions, 2);
        QCOMPARE(a->allocatedSize, 6);
        QVERIFY(a->canFreeData);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(a->data[i], 0.0f);
        destroyArray(a);
        destroyArray(static_cast<FloatArray *>(nullptr));

        float external[4] = {1, 2, 3, 4};
        FloatArray *b = createFloatArray(2, 2);
        std::free(b->data);
        b->data = external;
        b->canFreeData = false;
        destroyArray(b); // must not free `external` (ASan would report)
        QCOMPARE(external[3], 4.0f);
    }

    void growthFollowsTheCapacityRule()
    {
        QCOMPARE(grownCapacity(10, 40), 64);
        QCOMPARE(grownCapacity(0, 1), 16);
        QCOMPARE(grownCapacity(100, 150), 200);
        QCOMPARE(grownCapacity(0x30000000, 0x70000000LL), 0x7FFFFFFF);

        FloatArray *a = createFloatArray(5, 2);
        for (int i = 0; i < 10; ++i)
            a->data[i] = float(i + 1);
        resizeArray(a, 20, 2, 10);
        QCOMPARE(a->allocatedSize, 64);
        QCOMPARE(a->size[0], 20);
        QCOMPARE(a->data[9], 10.0f);
        QCOMPARE(a->data[10], 0.0f);
        QCOMPARE(a->data[39], 0.0f);
        QVERIFY(a->canFreeData);
        destroyArray(a);
    }

    void growingABorrowedBlockTakesOwnershipOfTheNewOne()
    {
        float external[4] = {1, 2, 3, 4};
        FloatArray *a = createFloatArray(2, 2);
        std::free(a->data);
        a->data = external;
        a->canFreeData = false;
        resizeArray(a, 10, 2, 4);
        QVERIFY(a->data != external);
        QVERIFY(a->canFreeData);
        QCOMPARE(a->data[3], 4.0f);
        destroyArray(a);
    }

    void blockSumNaNAndOneTimeInitialisation()
    {
        QCOMPARE(spectral::blockSum(nullptr, 0), 0.0f);
        std::vector<float> v(3000, 1.0f);
        QCOMPARE(spectral::blockSum(v.data(), int64_t(v.size())), 3000.0f);
        const float nan = spectral::nanValue();
        uint32_t bits;
        std::memcpy(&bits, &nan, 4);
        QCOMPARE(bits, 0xFFC00000u);
        QVERIFY(spectral::isNaN(nan));

        spectral::initSpectralLibrary();
        spectral::initSpectralLibrary();
        QCOMPARE(spectral::initialisationCount(), 1);
    }
};

QTEST_APPLESS_MAIN(TestDynamicArray)
#include "tst_dynamic_array.moc"
