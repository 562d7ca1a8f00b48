/* cryptora: AES-256 ECB file encryption under a key taken from a pass phrase.
 *
 * One process-wide key state. SetupEncryptKey / SetupDecryptKey replace it; the
 * last one called decides whether Encrypt or Decrypt gives meaningful output.
 * The typedefs match the exports for binding them at run time by name. */
#ifndef CRYPTORA_CRYPTORA_H
#define CRYPTORA_CRYPTORA_H

#if defined(_WIN32)
#if defined(CRYPTORA_BUILD)
#define CRYPTORA_API __declspec(dllexport)
#else
#define CRYPTORA_API __declspec(dllimport)
#endif
#define CRYPTORA_CALL __cdecl
#else
#define CRYPTORA_API __attribute__((visibility("default")))
#define CRYPTORA_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Key = pass phrase bytes, zero-filled (or cut) to 32 bytes. NULL counts as "". */
CRYPTORA_API void CRYPTORA_CALL SetupEncryptKey(const char* passPhrase);
/* Returns the round count, 14. */
CRYPTORA_API int CRYPTORA_CALL SetupDecryptKey(const char* passPhrase);

/* One 16-byte block. NULL pointers do nothing; in16 and out16 may coincide. */
CRYPTORA_API void CRYPTORA_CALL Encrypt(const unsigned char* in16, unsigned char* out16);
CRYPTORA_API void CRYPTORA_CALL Decrypt(const unsigned char* in16, unsigned char* out16);

/* Whole files. Return 1 when done, 0 when a file failed to open.
 * RJEncryptFile pads the plain text with 1..16 spaces to whole blocks and needs
 * SetupEncryptKey; RJDecryptFile keeps that padding and needs SetupDecryptKey. */
CRYPTORA_API int CRYPTORA_CALL RJEncryptFile(const char* plainPath, const char* cipherPath);
CRYPTORA_API int CRYPTORA_CALL RJDecryptFile(const char* cipherPath, const char* plainPath);

typedef void(CRYPTORA_CALL* SetupEncryptKeyFn)(const char*);
typedef int(CRYPTORA_CALL* SetupDecryptKeyFn)(const char*);
typedef void(CRYPTORA_CALL* EncryptFn)(const unsigned char*, unsigned char*);
typedef void(CRYPTORA_CALL* DecryptFn)(const unsigned char*, unsigned char*);
typedef int(CRYPTORA_CALL* RJEncryptFileFn)(const char*, const char*);
typedef int(CRYPTORA_CALL* RJDecryptFileFn)(const char*, const char*);

#ifdef __cplusplus
}
#endif

#endif /* CRYPTORA_CRYPTORA_H */
