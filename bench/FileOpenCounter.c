#define _GNU_SOURCE
#include "bench/FileOpenCounter.h"

#include <dlfcn.h>
#include <stdatomic.h>
#include <stdio.h>
#include <string.h>

typedef FILE* (*OpenFunction)(const char*, const char*);

static atomic_int g_certificateOpens;

static int endsWith(const char* text, const char* suffix)
{
    const size_t length = strlen(text);
    const size_t suffixLength = strlen(suffix);
    return length >= suffixLength && strcmp(text + length - suffixLength, suffix) == 0;
}

static void countOpen(const char* path)
{
    if (path && (endsWith(path, ".pem") || endsWith(path, ".crt") ||
                 strncmp(path, "/etc/ssl/certs/", 15) == 0)) {
        atomic_fetch_add(&g_certificateOpens, 1);
    }
}

int quorviBenchCertificateFileOpens(void)
{
    return atomic_load(&g_certificateOpens);
}

FILE* fopen(const char* path, const char* mode)
{
    static OpenFunction real;
    if (!real) {
        real = (OpenFunction)dlsym(RTLD_NEXT, "fopen");
    }
    countOpen(path);
    return real(path, mode);
}

FILE* fopen64(const char* path, const char* mode)
{
    static OpenFunction real;
    if (!real) {
        real = (OpenFunction)dlsym(RTLD_NEXT, "fopen64");
    }
    countOpen(path);
    return real(path, mode);
}
