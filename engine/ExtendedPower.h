// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavolin {

// base raised to exponent, in extended precision. A whole exponent is computed as the whole
// power by repeated squaring (a negative one as the reciprocal), any other through powl:
// the normal-curve figures depend on both paths.
long double extendedPower(long double base, long double exponent);

}  // namespace tavolin
