// Libraries loaded at run time, only once they are wanted: each is a table of the functions the
// game calls, listed once as X(name) and turned into fields and their loading by the macros here.
#pragma once

#include <dlfcn.h>

namespace pv::qt {

// A field of the table, typed from the function's own declaration.
// NOLINTNEXTLINE(bugprone-macro-parentheses): a declaration, where the name cannot be bracketed
#define PV_LIBRARY_FIELD(name) decltype(&::name) name = nullptr;

// Inside LoadLibraryTable's fill: looks the function up and notes whether it was there.
#define PV_LIBRARY_LOAD(name) complete = LoadSymbol(library, #name, table.name) && complete;

// The fill for LoadLibraryTable: looks up every function of a table's X-list.
// NOLINTBEGIN(bugprone-macro-parentheses): Table names a parameter's type, never bracketed
#define PV_LIBRARY_FILL(Table, FUNCTIONS) \
    [](void* library, Table& table) {     \
        bool complete = true;             \
        FUNCTIONS(PV_LIBRARY_LOAD)        \
        return complete;                  \
    }
// NOLINTEND(bugprone-macro-parentheses)

template <class F>
bool LoadSymbol(void* library, const char* name, F*& field) {
    field = reinterpret_cast<F*>(dlsym(library, name));
    return field != nullptr;
}

// Opens the library once and fills its table; nullptr when the library or any of its functions
// is missing. fill(library, table) returns whether every function was found.
template <class Table, class Fill>
const Table* LoadLibraryTable(const char* file, Fill fill) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static Table table;
    return fill(library, table) ? &table : nullptr;
}

}  // namespace pv::qt
