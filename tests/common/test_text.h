#pragma once

#include "runtime/qt_text.h"

#include <QString>

using tenvex::ToQString;
using tenvex::View;

// 17 significant digits name a double uniquely and the sign of zero shows: comparing these texts
// compares doubles exactly, with a readable message when they differ.
inline QString Exact(double value)
{
    return QString::number(value, 'g', 17);
}
