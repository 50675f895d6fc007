// SPDX-License-Identifier: MIT
#include "floating_point.h"

#include "error.h"

namespace tenvex::detail {

void RaiseFloatingPointError()
{
    throw Error(ErrorKind::FloatingPointError);
}

} // namespace tenvex::detail
