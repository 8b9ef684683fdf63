#include "PtyBaud.h"

#include <asm/termbits.h>
#include <asm/ioctls.h>

int ioctl(int fd, unsigned long request, ...);

int simdevice_host_baud(int fd)
{
    struct termios2 settings;
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    return (int)settings.c_ospeed;
}
