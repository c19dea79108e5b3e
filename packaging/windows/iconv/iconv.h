/* iconv for the Windows version of Quorvelle, over ICU's converters: the C library of MinGW
   has none, and poppler's C++ interface converts its strings with it (UTF-8 and UTF-16). */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* iconv_t;

iconv_t iconv_open(const char* toCode, const char* fromCode);
size_t iconv(iconv_t converter, char** input, size_t* inputLeft, char** output, size_t* outputLeft);
int iconv_close(iconv_t converter);

#ifdef __cplusplus
}
#endif
