#pragma once
// What the spectrum ingest asks of the measurement control: is a measurement running,
// and is it capturing a reference. The measurement control registers itself with the store.

class MeasurementState
{
public:
    virtual ~MeasurementState() = default;
    virtual bool isMeasuring() const = 0;
    virtual bool isMeasuringReference() const = 0;
};
