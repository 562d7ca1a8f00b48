/* Nexboot: in-system programming of the receiver board through its USB
 * bootloader. C linkage, 32-bit arguments and results; 0 means success
 * unless a function says otherwise. SetBootloaderDevice is exported by
 * ordinal 1 only on Windows and by name elsewhere. */
#ifndef NEXBOOT_H
#define NEXBOOT_H

#ifdef _WIN32
#define NEXBOOT_API __declspec(dllexport)
#else
#define NEXBOOT_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Names the bootloader device for the next connection (product id, then vendor id). */
NEXBOOT_API int SetBootloaderDevice(int productId, int vendorId);
/* Opens the bootloader and reads its chip information; 0 when it answered. */
NEXBOOT_API int ConnectToBootloader(void);
/* Closes the bootloader and forgets the loaded image. */
NEXBOOT_API int DisConnectBootloader(void);
/* Fills the 36-byte chip information record whose first field the caller set to 36; nonzero when filled. */
NEXBOOT_API int GetMCUInfo(void* info);
/* Loads an Intel HEX image for the connected chip; 0 when loaded. The six outputs
 * receive: lowest code address, end of code (last address + 1), code bytes, option
 * bytes, data records, 16-bit sum of every data byte. Null outputs are skipped. */
NEXBOOT_API int LoadFileEx(const char* path, int* codeStart, int* codeEnd, int* codeBytes, int* optionBytes,
                           int* records, int* checksum);
/* Why the last LoadFileEx failed (NB_LOAD_...); 0 after a successful load. */
NEXBOOT_API int GetLoadFileErr(void);
/* Erases the pages that meet [start, start + extent) of an area (0 code, 1 option); extent 0 = the whole
 * area. */
NEXBOOT_API int EraseByPage(int start, int extent, int area);
/* Writes the loaded image's data of an area (0 code, 1 option). */
NEXBOOT_API int Program(int area);
/* Reads [start, start + extent) of an area back and compares it with the loaded image; 0 when equal. */
NEXBOOT_API int VerifyByPage(int start, int extent, int area);
/* Chooses what the board runs after it leaves the bootloader (2 = the user program); 0 when accepted. */
NEXBOOT_API int ExecuteProgramFrom(int target);
/* Makes the board leave the bootloader and closes the connection. */
NEXBOOT_API int SwitchToUserProgram(void);

enum {
  NB_LOAD_OK = 0,
  NB_LOAD_NOT_CONNECTED = 1,
  NB_LOAD_OPEN_FAILED = 2,
  NB_LOAD_BAD_RECORD = 3,
  NB_LOAD_BAD_CHECKSUM = 4,
  NB_LOAD_NO_END_RECORD = 5,
  NB_LOAD_OUTSIDE_CHIP = 6,
  NB_LOAD_EMPTY = 7
};

typedef int (*SetBootloaderDeviceFn)(int, int);
typedef int (*ConnectToBootloaderFn)(void);
typedef int (*DisConnectBootloaderFn)(void);
typedef int (*GetMCUInfoFn)(void*);
typedef int (*LoadFileExFn)(const char*, int*, int*, int*, int*, int*, int*);
typedef int (*GetLoadFileErrFn)(void);
typedef int (*EraseByPageFn)(int, int, int);
typedef int (*ProgramFn)(int);
typedef int (*VerifyByPageFn)(int, int, int);
typedef int (*ExecuteProgramFromFn)(int);
typedef int (*SwitchToUserProgramFn)(void);

#ifdef __cplusplus
}
#endif

#endif
