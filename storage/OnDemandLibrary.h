// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// A shared library opened the first time the program needs it rather than at its start:
// the dynamic loader's work on libarchive and SQLite (a millisecond or two together) is
// spared to the start of a program that may never read a zip or a history.
class OnDemandLibrary {
public:
    // `soname` as the library is installed: "libarchive.so.13". FileError when it cannot
    // be opened, with the loader's words.
    explicit OnDemandLibrary(const char* soname);
    OnDemandLibrary(const OnDemandLibrary&) = delete;
    OnDemandLibrary& operator=(const OnDemandLibrary&) = delete;
    // The library stays loaded: functions taken from it may be called until the end.
    ~OnDemandLibrary() = default;

    // The function `name`, or FileError.
    void* function(const char* name) const;

    // The same into `pointer`, of the type of the function declared in the library's header.
    template <typename Function>
    void take(Function& pointer, const char* name) const {
        pointer = reinterpret_cast<Function>(function(name));
    }

private:
    const char* soname_;
    void* handle_;
};

// A library's functions as a struct of pointers, each member named as its function, the
// functions listed once by a macro of `take(name)`: TAVOLIN_FUNCTION_POINTER declares the
// members, TAVOLIN_TAKE_FUNCTION fills them in the `take` of functionsOnDemand.
#define TAVOLIN_FUNCTION_POINTER(name) decltype(&::name) name;
#define TAVOLIN_TAKE_FUNCTION(name) library.take(taken.name, #name);

// The functions of library `soname`, taken by `fill(library, taken)` at the first call. A
// failed loading throws and is tried again at the next call.
template <typename Functions, typename Fill>
const Functions& functionsOnDemand(const char* soname, Fill fill) {
    static const Functions functions = [&] {
        static const OnDemandLibrary library(soname);
        Functions taken{};
        fill(library, taken);
        return taken;
    }();
    return functions;
}

}  // namespace tavolin
