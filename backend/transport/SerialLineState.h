#pragma once

// What a serial line's descriptor reports, asked with poll() and never by reading or
// writing it, so the reads the event loop has planned are not taken from under it.
namespace SerialLineState {

// The line takes more bytes now or within `timeoutMs`, and is neither hung up nor failed.
bool waitWritable(int fd, int timeoutMs);

// A hung-up line (device unplugged, or the far end of a pseudo-terminal closed) stays so.
bool hungUp(int fd);

} // namespace SerialLineState
