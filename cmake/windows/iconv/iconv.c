/* iconv for mdbtools' libmdb on Windows, over the system's own conversion calls
 * (MultiByteToWideChar, WideCharToMultiByte). Debian has no iconv for mingw-w64, and without one
 * libmdb converts Access text through a UTF-8 C locale that the msvcrt runtime may not have.
 *
 * It converts one character at a time, so that a full output buffer (E2BIG) or a character the
 * target cannot hold (EILSEQ) stops exactly after the last whole character, as iconv(3) says.
 * Encodings: UTF-8, UCS-2LE/UTF-16LE, and the code pages Windows knows, by the names libmdb
 * uses (CPnnn, WINDOWS-nnn, IBMnnn, ISO-8859-n and a few others). */
#include "iconv.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { Utf16 = 1200 };

struct converter {
    UINT from;
    UINT to;
};

static int starts_with(const char *name, const char *prefix, const char **rest) {
    size_t length = strlen(prefix);
    if (_strnicmp(name, prefix, length) != 0) {
        return 0;
    }
    *rest = name + length;
    return 1;
}

/* The code page an encoding name stands for, or 0. */
static UINT code_page(const char *name) {
    static const struct {
        const char *name;
        UINT page;
    } named[] = {{"UTF-8", CP_UTF8},       {"UTF8", CP_UTF8},        {"UCS-2LE", Utf16},
                 {"UTF-16LE", Utf16},      {"SHIFT-JIS", 932},       {"SHIFT_JIS", 932},
                 {"BIG-5", 950},           {"BIG5", 950},            {"BIG5-HKSCS", 951},
                 {"KOI8-R", 20866},        {"KOI8-U", 21866},        {"EUC-JP", 20932},
                 {"EUC-CN", 936},          {"EUC-KR", 949},          {"ISO-8859-13", 28603},
                 {"ISO-8859-15", 28605},   {"US-ASCII", 20127},      {"ASCII", 20127}};
    const char *rest;
    size_t i;
    for (i = 0; i < sizeof named / sizeof named[0]; ++i) {
        if (_stricmp(name, named[i].name) == 0) {
            return named[i].page;
        }
    }
    if (starts_with(name, "ISO-8859-", &rest) && rest[0] >= '1' && rest[0] <= '9' && !rest[1]) {
        return 28590 + (UINT)(rest[0] - '0');
    }
    if (starts_with(name, "WINDOWS-", &rest) || starts_with(name, "CP", &rest) ||
        starts_with(name, "IBM", &rest)) {
        char *end;
        unsigned long page = strtoul(rest, &end, 10);
        if (*rest && !*end && page > 0 && page < 65536 && IsValidCodePage((UINT)page)) {
            return (UINT)page;
        }
    }
    return 0;
}

iconv_t iconv_open(const char *to, const char *from) {
    struct converter *converter;
    UINT to_page = code_page(to), from_page = code_page(from);
    if (!to_page || !from_page) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    converter = malloc(sizeof *converter);
    if (!converter) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    converter->from = from_page;
    converter->to = to_page;
    return converter;
}

int iconv_close(iconv_t cd) {
    free(cd);
    return 0;
}

/* The length in bytes of the character at `in` in this code page: 0 when the bytes left do not
 * hold all of it. */
static size_t character_length(UINT page, const unsigned char *in, size_t left) {
    size_t length = 1;
    if (page == Utf16) {
        length = left >= 2 && (in[1] & 0xFC) == 0xD8 ? 4 : 2;
    } else if (page == CP_UTF8) {
        length = in[0] < 0xC0 ? 1 : in[0] < 0xE0 ? 2 : in[0] < 0xF0 ? 3 : 4;
    } else if (IsDBCSLeadByteEx(page, in[0])) {
        length = 2;
    }
    return length <= left ? length : 0;
}

/* One character as UTF-16: the number of units, or 0 when the bytes are no character. */
static int to_utf16(UINT page, const char *in, size_t length, WCHAR out[2]) {
    if (page == Utf16) {
        memcpy(out, in, length);
        return (int)(length / 2);
    }
    return MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, in, (int)length, out, 2);
}

/* One character in the target code page: its length, or 0 when the page cannot hold it. */
static int from_utf16(UINT page, const WCHAR *in, int units, char out[8]) {
    BOOL lossy = FALSE;
    int length;
    if (page == Utf16) {
        memcpy(out, in, (size_t)units * 2);
        return units * 2;
    }
    if (page == CP_UTF8) {
        return WideCharToMultiByte(page, WC_ERR_INVALID_CHARS, in, units, out, 8, NULL, NULL);
    }
    length = WideCharToMultiByte(page, 0, in, units, out, 8, NULL, &lossy);
    return lossy ? 0 : length;
}

size_t iconv(iconv_t cd, char **in, size_t *in_left, char **out, size_t *out_left) {
    const struct converter *converter = cd;
    if (!in || !*in) {
        return 0; /* no shift state to reset */
    }
    while (*in_left > 0) {
        WCHAR wide[2];
        char bytes[8];
        int units, length;
        size_t taken = character_length(converter->from, (const unsigned char *)*in, *in_left);
        if (taken == 0) {
            errno = EINVAL;
            return (size_t)-1;
        }
        units = to_utf16(converter->from, *in, taken, wide);
        length = units ? from_utf16(converter->to, wide, units, bytes) : 0;
        if (length == 0) {
            errno = EILSEQ;
            return (size_t)-1;
        }
        if ((size_t)length > *out_left) {
            errno = E2BIG;
            return (size_t)-1;
        }
        memcpy(*out, bytes, (size_t)length);
        *out += length;
        *out_left -= (size_t)length;
        *in += taken;
        *in_left -= taken;
    }
    return 0;
}
