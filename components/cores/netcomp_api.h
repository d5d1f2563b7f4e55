/*
 * The flat entry-point table of the three component cores.
 *
 * Every core library (libnetcomp_http.so, libnetcomp_rest.so, libnetcomp_json.so)
 * exports the same ten functions under its own prefix: NetComp_HTTP_, NetComp_REST_
 * and NetComp_JSON_. A core object is reached only through its opaque handle.
 *
 * Values that may carry an address (the result of Get, the value of Set, the argument
 * and length slots of Do, the event parameter slots) are pointer-sized; error codes
 * are 32-bit. Ids select the encoding of text: the plain id passes 8-bit text in the
 * component's code page, id + NETCOMP_ID_UTF16 passes UTF-16 text, id + NETCOMP_ID_FILENAME
 * passes UTF-16 file names unconverted. Booleans and integers use the plain id.
 *
 * Texts and bytes returned by Get, by Do's result slot and by GetLastError stay valid
 * until the next call on the same handle.
 */
#ifndef NETCOMP_API_H
#define NETCOMP_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef intptr_t netcomp_value;

/* Fired by a core; returns 0, or NETCOMP_EVENT_WANT_UTF16 to have the event fired
 * again with id + NETCOMP_ID_UTF16 and UTF-16 texts. */
typedef int32_t (*netcomp_event_sink)(void* context, int32_t event_id, int32_t param_count,
                                      netcomp_value* params, netcomp_value* lengths);

#define NETCOMP_ID_UTF16 10000
#define NETCOMP_ID_FILENAME 20000
#define NETCOMP_EVENT_WANT_UTF16 (-10000)

/* Error codes every core shares. */
#define NETCOMP_ERR_NULL_HANDLE 200
#define NETCOMP_ERR_UNKNOWN_PROPERTY 201
#define NETCOMP_ERR_UNKNOWN_METHOD 202
#define NETCOMP_ERR_READ_ONLY 203
#define NETCOMP_ERR_INVALID_INDEX 204
#define NETCOMP_ERR_ARGUMENT_COUNT 205
#define NETCOMP_ERR_UNKNOWN_SETTING 206
#define NETCOMP_ERR_INVALID_VALUE 207
#define NETCOMP_ERR_BUSY 143
#define NETCOMP_ERR_HTTP_STATUS 151

/* Transport failures (HTTP and REST cores). */
#define NETCOMP_ERR_INVALID_URL 301
#define NETCOMP_ERR_RESOLVE 302
#define NETCOMP_ERR_CONNECT 303
#define NETCOMP_ERR_TLS 304
#define NETCOMP_ERR_CERTIFICATE 305
#define NETCOMP_ERR_TIMEOUT 306
#define NETCOMP_ERR_RECEIVE 307
#define NETCOMP_ERR_BODY_TOO_LARGE 308
#define NETCOMP_ERR_HEADER_TOO_LARGE 309
#define NETCOMP_ERR_DECODING 310
#define NETCOMP_ERR_INTERRUPTED 311
#define NETCOMP_ERR_TRANSPORT 312
#define NETCOMP_ERR_LOCAL_FILE 313

/* Document failures (JSON core, and REST when it parses a body). */
#define NETCOMP_ERR_XML_MARKUP 10201
#define NETCOMP_ERR_JSON_MARKUP 10232
#define NETCOMP_ERR_XPATH 10233
#define NETCOMP_ERR_NO_DOM 10234
#define NETCOMP_ERR_JSON_DEPTH 10235
#define NETCOMP_ERR_JSON_SIZE 10236

/* TnetHTTP */
enum {
    NETCOMP_HTTP_PROP_ALLOW_HTTP_COMPRESSION = 2, /* boolean */
    NETCOMP_HTTP_PROP_FOLLOW_REDIRECTS = 20,      /* integer, 0 = never (the only mode) */
    NETCOMP_HTTP_PROP_LOCAL_FILE = 30,            /* file name: body is also written there */
    NETCOMP_HTTP_PROP_SSL_CERT_STORE = 47,        /* text with length */
    NETCOMP_HTTP_PROP_STATUS_LINE = 52,           /* text, read only */
    NETCOMP_HTTP_PROP_TIMEOUT = 55,               /* integer, seconds */
    NETCOMP_HTTP_PROP_TRANSFERRED_DATA = 56       /* text with length, read only */
};
enum {
    NETCOMP_HTTP_METHOD_CONFIG = 3, /* (setting) -> text */
    NETCOMP_HTTP_METHOD_GET = 6,    /* (url) */
    NETCOMP_HTTP_METHOD_HEAD = 7,   /* (url) */
    NETCOMP_HTTP_METHOD_INTERRUPT = 9
};

/* TnetREST */
enum {
    NETCOMP_REST_PROP_BUILD_DOM = 4,
    NETCOMP_REST_PROP_FOLLOW_REDIRECTS = 20,
    NETCOMP_REST_PROP_LOCAL_FILE = 30,
    NETCOMP_REST_PROP_SSL_CERT_STORE = 46,
    NETCOMP_REST_PROP_STATUS_LINE = 51,
    NETCOMP_REST_PROP_TRANSFERRED_DATA = 53,
    NETCOMP_REST_PROP_TIMEOUT = 54
};
enum {
    NETCOMP_REST_METHOD_CONFIG = 4,
    NETCOMP_REST_METHOD_HEAD = 6,
    NETCOMP_REST_METHOD_GET = 7,
    NETCOMP_REST_METHOD_INTERRUPT = 9,
    NETCOMP_REST_METHOD_RESET = 12
};

/* Events of TnetHTTP and TnetREST, numbered in the alphabetical order of their names. */
enum {
    NETCOMP_HTTP_EVENT_ON_DO_EVENTS =
        1,                            /* no parameters; fired at most 20 ms apart while waiting */
    NETCOMP_HTTP_EVENT_ON_HEADER = 2, /* field (text), value (text) */
    NETCOMP_HTTP_EVENT_ON_SSL_SERVER_AUTHENTICATION =
        3,                             /* cert (bytes), status (text), accept (in/out bool) */
    NETCOMP_HTTP_EVENT_ON_STATUS = 4,  /* http version (text), status code (int), reason (text) */
    NETCOMP_HTTP_EVENT_ON_TRANSFER = 5 /* bytes transferred (int64 value), chunk (bytes) */
};

/* TnetJSON */
enum {
    NETCOMP_JSON_PROP_BUILD_DOM = 1,
    NETCOMP_JSON_PROP_INPUT_DATA = 2,
    NETCOMP_JSON_PROP_OVERWRITE = 6,
    NETCOMP_JSON_PROP_XCHILD_COUNT = 7, /* integer, read only */
    NETCOMP_JSON_PROP_XCHILD_NAME = 8,  /* text array, index 0 .. XChildCount - 1, read only */
    NETCOMP_JSON_PROP_XPATH = 17,
    NETCOMP_JSON_PROP_XTEXT = 19 /* read only */
};
enum {
    NETCOMP_JSON_METHOD_CONFIG = 2,
    NETCOMP_JSON_METHOD_PARSE = 11,
    NETCOMP_JSON_METHOD_RESET = 18
};
enum {
    NETCOMP_JSON_EVENT_ON_CHARACTERS = 1,           /* text */
    NETCOMP_JSON_EVENT_ON_END_ELEMENT = 2,          /* element name */
    NETCOMP_JSON_EVENT_ON_ERROR = 3,                /* code (int), description (text) */
    NETCOMP_JSON_EVENT_ON_IGNORABLE_WHITESPACE = 4, /* text */
    NETCOMP_JSON_EVENT_ON_JSON = 5,                 /* text of the complete top-level value */
    NETCOMP_JSON_EVENT_ON_START_ELEMENT = 6         /* element name */
};

#define NETCOMP_DECLARE_ENTRY_POINTS(prefix)                                                       \
    void* prefix##Create(netcomp_event_sink sink, void* context, netcomp_value reserved);          \
    int32_t prefix##Destroy(void* handle);                                                         \
    netcomp_value prefix##Get(void* handle, int32_t property_id, int32_t index, int32_t* length);  \
    int32_t prefix##Set(void* handle, int32_t property_id, int32_t index, netcomp_value value,     \
                        int32_t length);                                                           \
    int32_t prefix##Do(void* handle, int32_t method_id, int32_t arg_count, netcomp_value* args,    \
                       netcomp_value* lengths);                                                    \
    int32_t prefix##CheckIndex(void* handle, int32_t property_id, int32_t index);                  \
    const char* prefix##GetLastError(void* handle);                                                \
    int32_t prefix##GetLastErrorCode(void* handle);                                                \
    int32_t prefix##StaticInit(void* reserved);                                                    \
    int32_t prefix##StaticDestroy(void);

NETCOMP_DECLARE_ENTRY_POINTS(NetComp_HTTP_)
NETCOMP_DECLARE_ENTRY_POINTS(NetComp_REST_)
NETCOMP_DECLARE_ENTRY_POINTS(NetComp_JSON_)

/* Optional, exported by a program that carries several cores: one value per process and
 * key, made by make() at the first request. Cores look it up by name and make a value of
 * their own where the program offers none (a core loaded on its own, for instance). */
typedef void* (*netcomp_make_shared_fn)(void);
typedef void* (*netcomp_process_shared_fn)(const char* key, netcomp_make_shared_fn make);
#define NETCOMP_PROCESS_SHARED_SYMBOL "netcomp_process_shared"

/* Pointer types of the entry points, for binding at run time. */
typedef void* (*netcomp_create_fn)(netcomp_event_sink, void*, netcomp_value);
typedef int32_t (*netcomp_destroy_fn)(void*);
typedef netcomp_value (*netcomp_get_fn)(void*, int32_t, int32_t, int32_t*);
typedef int32_t (*netcomp_set_fn)(void*, int32_t, int32_t, netcomp_value, int32_t);
typedef int32_t (*netcomp_do_fn)(void*, int32_t, int32_t, netcomp_value*, netcomp_value*);
typedef int32_t (*netcomp_check_index_fn)(void*, int32_t, int32_t);
typedef const char* (*netcomp_get_last_error_fn)(void*);
typedef int32_t (*netcomp_get_last_error_code_fn)(void*);

#ifdef __cplusplus
}
#endif

#endif
