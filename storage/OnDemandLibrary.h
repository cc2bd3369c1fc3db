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

    // The same, as a pointer of the type of the function declared in the library's header.
    template <typename Function>
    Function typed(const char* name) const {
        return reinterpret_cast<Function>(function(name));
    }

private:
    const char* soname_;
    void* handle_;
};

}  // namespace tavolin
