// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnDemandLibrary.h"

#include <dlfcn.h>

#include <QString>

#include "FileError.h"
#include "ShownText.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr ShownText kLibraryMissing =
    TAVOLIN_TEXT("OnDemandLibrary", "Impossible de charger la bibliothèque %1 : %2");

[[noreturn]] void failLoading(const char* soname) {
    const char* words = dlerror();
    throw FileError(fromUtf8(kLibraryMissing)
                        .arg(QString::fromUtf8(soname),
                             words != nullptr ? QString::fromUtf8(words) : QString()));
}

}  // namespace

OnDemandLibrary::OnDemandLibrary(const char* soname)
    : soname_(soname), handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {
    if (handle_ == nullptr) {
        failLoading(soname_);
    }
}

void* OnDemandLibrary::function(const char* name) const {
    dlerror();  // a null function is told apart from a failure by dlerror alone
    void* found = dlsym(handle_, name);
    if (found == nullptr) {
        failLoading(soname_);
    }
    return found;
}

}  // namespace tavolin
