/*
 * The C boundary between the program (the host) and libComplexMatrix64.
 *
 * The host loads the library with dlopen and calls its one entry point,
 * cm_plugin_entry, handing it a const table of host services. The library
 * answers with its own table of entries: declaration text -> function.
 * The host then fills its entry table by exact declaration text.
 *
 * Objects and strings cross as opaque pointers owned by the host. A library
 * object (Matrix, Complex, ComplexMatrix, Polynomial) carries one pointer of
 * library data, set by the class's __init entry and freed by its __exit entry.
 *
 * Errors: the library raises by calling host->raise(class, message) and then
 * returning at once (any value; the host ignores the result of a call that
 * raised). Only the first raise of a call counts.
 *
 * The host table is versioned and append-only: a library checks `version`
 * and uses only the fields that version has. On the hot path the library
 * checks an argument's class by the identity the host gives each value class
 * (data_of_class), not by its name.
 */
#ifndef COMPLEXMATRIX_PLUGIN_H
#define COMPLEXMATRIX_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct cm_object cm_object; /* a host object of a library class */
typedef struct cm_string cm_string; /* a host string, UTF-8 */

#define CM_HOST_API_VERSION 2u

typedef struct cm_host_api {
    uint32_t version; /* CM_HOST_API_VERSION */
    uint32_t size;    /* sizeof(cm_host_api) as the host was built */

    /* A new object of the named library class ("Matrix", "Complex", ...),
     * its creation hook run (which calls the class's __init entry).
     * Returns an owned reference, or NULL with an exception raised. */
    cm_object *(*new_object)(const char *class_name);
    void (*retain)(cm_object *object);
    void (*release)(cm_object *object);
    /* The class name of an object ("Matrix"); never NULL for a live object. */
    const char *(*class_name)(const cm_object *object);

    /* The library's own data of an object. */
    void *(*get_data)(const cm_object *object);
    void (*set_data)(cm_object *object, void *data);

    /* A new string holding a copy of `length` bytes of UTF-8 text; owned reference. */
    cm_string *(*new_string)(const char *utf8, size_t length);
    /* The bytes of a string (not NUL-terminated) and their count. */
    const char *(*string_data)(const cm_string *string, size_t *length);

    /* Raise an exception of the named class with a message. The class is one
     * of the library's error classes or "RuntimeException". */
    void (*raise)(const char *class_name, const char *message);

    /* Since version 2: checking an object's class without comparing names. */

    /* The identity of a value class ("Matrix", "Complex", "ComplexMatrix",
     * "Polynomial"): one pointer, the same for every object of the class for
     * the life of the process. NULL for any other name. */
    const void *(*class_identity)(const char *class_name);
    /* The library's data of an object whose class has that identity; NULL
     * when the object is NULL, of another class, or has no data. */
    void *(*data_of_class)(const cm_object *object, const void *class_identity);
} cm_host_api;

typedef struct cm_entry {
    const char *declaration; /* exact declaration text, as complexmatrix_entries.h lists it */
    void *function;          /* the implementing function, cast to void* */
} cm_entry;

/*
 * The library's one entry point. Returns 0 and sets *entries and *count on
 * success; returns non-zero and writes a NUL-terminated reason into `error`
 * (at most error_size bytes) when it cannot serve this host.
 */
typedef int (*cm_plugin_entry_fn)(const cm_host_api *host, const cm_entry **entries, size_t *count, char *error,
                                  size_t error_size);

#define CM_PLUGIN_ENTRY_NAME "cm_plugin_entry"

/*
 * Calling convention of the entries, by declaration:
 *   receiver first (cm_object*), then the arguments in declaration order;
 *   Integer -> int64_t, Double -> double, String -> cm_string*, a class -> cm_object*.
 *   Results: Integer -> int64_t, Double -> double, String -> cm_string* (owned),
 *   a class -> cm_object* (owned), nothing -> void.
 *   Hooks "X.__init" and "X.__exit" take the object only and return nothing.
 *   The global functions NumRows and NumColumns take the matrix only.
 */

#ifdef __cplusplus
}
#endif

#endif /* COMPLEXMATRIX_PLUGIN_H */
