# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and floating-point rules shared by every target.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

# Every figure must be reproducible: no contraction into fused multiply-adds and
# no value-changing optimisations of floating-point expressions.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(TAVOLIN_SANITIZE)
  set(TAVOLIN_SANITIZER_FLAGS
      -fsanitize=address,undefined,float-cast-overflow
      -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${TAVOLIN_SANITIZER_FLAGS})
  add_link_options(${TAVOLIN_SANITIZER_FLAGS})
endif()

# The hardening Debian builds its own packages with (the checks of _FORTIFY_SOURCE need the
# optimiser, so only the optimised builds have them).
add_compile_options(-fstack-protector-strong $<$<CONFIG:Release,RelWithDebInfo>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)
