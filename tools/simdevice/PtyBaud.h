#pragma once
/* Rate the host set on the serial side of a pseudo-terminal. Kept in C on its own:
   the kernel's termios2 header cannot share a translation unit with <termios.h>. */

#ifdef __cplusplus
extern "C" {
#endif

/* The output speed in baud of the terminal behind `fd` (either side), or -1. */
int simdevice_host_baud(int fd);

#ifdef __cplusplus
}
#endif
