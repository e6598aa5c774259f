/* Coverage runtime for scripts/testcov.sh: records which instrumented blocks of src/ a process
 * reached and writes their offsets in the executable to $RAVLET_COV_DIR/<pid>.<name> at exit.
 * Built without instrumentation and linked into every executable of the coverage build. */
#define _GNU_SOURCE
#include <link.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static const uintptr_t* pcs_begin;
static unsigned char* hit; /* one flag a block; set once the executable's guards are taken */
static size_t count;
static uintptr_t base; /* where the executable is loaded: the offsets written are from it */

struct span {
    uintptr_t at;
    int inside;
};

/* The first module dl_iterate_phdr visits is the executable. */
static int span_of_main(struct dl_phdr_info* info, size_t size, void* arg) {
    (void)size;
    struct span* s = arg;
    base = info->dlpi_addr;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)* h = &info->dlpi_phdr[i];
        uintptr_t lo = info->dlpi_addr + h->p_vaddr;
        if (h->p_type == PT_LOAD && s->at >= lo && s->at < lo + h->p_memsz) s->inside = 1;
    }
    return 1;
}

static void dump(void) {
    const char* dir = getenv("RAVLET_COV_DIR");
    if (!dir || !pcs_begin) return;
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return;
    exe[n] = 0;
    const char* name = strrchr(exe, '/');
    name = name ? name + 1 : exe;
    char path[4096];
    snprintf(path, sizeof path, "%s/%d.%s", dir, (int)getpid(), name);
    FILE* f = fopen(path, "w");
    if (!f) return;
    fprintf(f, "%s\n", exe);
    for (size_t i = 0; i < count; ++i)
        if (hit[i]) fprintf(f, "%lx\n", (unsigned long)(pcs_begin[2 * i] - base));
    fclose(f);
}

/* Only the executable's own blocks are counted: a shared library of ours loaded beside it
 * keeps its guards at zero, so its blocks cost one test and a return. */
static int in_main_program(const void* p) {
    struct span s = {(uintptr_t)p, 0};
    dl_iterate_phdr(span_of_main, &s);
    return s.inside;
}

void __sanitizer_cov_trace_pc_guard_init(uint32_t* start, uint32_t* stop) {
    if (start == stop || *start || hit || !in_main_program(start)) return;
    count = (size_t)(stop - start);
    hit = calloc(count, 1);
    for (size_t i = 0; i < count; ++i) start[i] = (uint32_t)(i + 1);
    atexit(dump);
}

/* A library loaded beside the executable may reach this copy (an executable that exports its
 * symbols): its table is not the executable's, and it may be unloaded before the dump. */
void __sanitizer_cov_pcs_init(const uintptr_t* begin, const uintptr_t* end) {
    (void)end;
    if (!pcs_begin && in_main_program(begin)) pcs_begin = begin;
}

void __sanitizer_cov_trace_pc_guard(uint32_t* guard) {
    if (!*guard) return;
    hit[*guard - 1] = 1;
    *guard = 0;
}
