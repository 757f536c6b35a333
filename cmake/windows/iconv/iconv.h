/* The iconv(3) calls libmdb makes, for Windows builds without a C library that has them. */
#ifndef QUORVANE_ICONV_H
#define QUORVANE_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void *iconv_t;

iconv_t iconv_open(const char *to, const char *from);
size_t iconv(iconv_t cd, char **in, size_t *in_left, char **out, size_t *out_left);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif

#endif
