// SPDX-License-Identifier: MIT
#include "floating_point.h"

#include "error.h"

namespace tenvex::detail {

void RaiseFloatingPointError()
{
    throw NumberError(NumberErrorKind::FloatingPointError);
}

} // namespace tenvex::detail
