/* Conduvix: USB HID transport of the receiver board. C linkage, 32-bit
 * arguments and results; the program binds these by name at run time. */
#ifndef CONDUVIX_H
#define CONDUVIX_H

#ifdef _WIN32
#define CONDUVIX_API __declspec(dllexport)
#else
#define CONDUVIX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the first board with the vendor and product ids; a handle, 0 when none opened. */
CONDUVIX_API int CV_OpenDeviceI(int vendorId, int productId);
/* Closes a handle; returns nonzero when it was open. */
CONDUVIX_API int CV_CloseDevice(int handle);
/* Sends an 8-byte command packet; nonzero when sent. */
CONDUVIX_API int CV_SetUSBCmd(int handle, int count, unsigned char* packet);
/* Places an 8-byte acknowledgement in buffer; nonzero when one was read, 0 when none is ready. */
CONDUVIX_API int CV_GetUSBAck(int handle, int count, unsigned char* buffer);
/* Reads count (1..8) bytes of data into buffer; nonzero when read. */
CONDUVIX_API int CV_ReadUSB(int handle, unsigned char* buffer, int count);
/* Writes count (1..8) bytes of data; nonzero when written. */
CONDUVIX_API int CV_WriteUSB(int handle, unsigned char* buffer, int count);

typedef int (*CV_OpenDeviceIFn)(int, int);
typedef int (*CV_CloseDeviceFn)(int);
typedef int (*CV_SetUSBCmdFn)(int, int, unsigned char*);
typedef int (*CV_GetUSBAckFn)(int, int, unsigned char*);
typedef int (*CV_ReadUSBFn)(int, unsigned char*, int);
typedef int (*CV_WriteUSBFn)(int, unsigned char*, int);

#ifdef __cplusplus
}
#endif

#endif
