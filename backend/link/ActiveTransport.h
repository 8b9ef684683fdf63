#pragma once
// Sends a device command over the active transport: over serial as a frame, over
// Bluetooth LE as the characteristic read, write or notification switch that stands
// for it. Fire-and-forget: replies come back through frame reassembly.

#include <cstdint>

namespace ActiveTransport {

bool isBle(int connectType);

void startContinuous(int connectType);
void stopContinuous(int connectType);
void requestSnapshot(int connectType);
// Bluetooth LE only: the spectrum stream is switched off once a snapshot has arrived.
void endSnapshot(int connectType);
void startFlicker(int connectType);

void setExpoMode(int connectType, uint8_t mode); // then reads it back
void getExpoMode(int connectType);
void setExpoTime(int connectType, float milliseconds); // then reads it back
void getExpoTime(int connectType);
void setCie2015(int connectType, uint8_t deviceValue); // then reads it back
// Gain mode, then (for a fixed gain) the gain value, then both read back.
void setFlickerGain(int connectType, bool automatic, uint8_t gainValue);

// What a freshly connected device is asked, in this order: wavelength range, exposure
// mode, CIE 2015 option, gain mode, gain value, and last the model.
void requestInitialSettings(int connectType);
// The model alone, asked again when its reply did not come.
void requestDeviceModel(int connectType);

// Bytes a second that a Bluetooth LE link carries at least: one notification of the
// smallest payload (20 bytes) per 50 ms connection interval.
constexpr int kBleBytesPerSecond = 400;
// Milliseconds that `bytes` from the device take on the active link, rounded up: 10 bits
// a byte at the serial port's rate, or the Bluetooth LE rate above.
int lineMs(int connectType, int bytes);

} // namespace ActiveTransport
