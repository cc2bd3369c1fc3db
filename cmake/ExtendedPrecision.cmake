# SPDX-License-Identifier: GPL-3.0-or-later
# The engine computes with the x87 80-bit extended long double and rounds to double where a
# value is stored: the figures it shows depend on it. Stop here, with the reason, on a
# machine whose long double is anything else.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("
  #include <limits>
  static_assert(std::numeric_limits<long double>::digits == 64, \"not x87 extended\");
  static_assert(std::numeric_limits<long double>::max_exponent == 16384, \"not x87 extended\");
  int main() { return 0; }"
  TAVOLIN_HAS_X87_LONG_DOUBLE)
if(NOT TAVOLIN_HAS_X87_LONG_DOUBLE)
  message(FATAL_ERROR
    "Tavolin needs the x87 80-bit extended long double (64-bit mantissa) of x86 and x86-64 "
    "compilers: its figures are defined in that precision. This compiler's long double "
    "(${CMAKE_SYSTEM_PROCESSOR}) is another format.")
endif()
