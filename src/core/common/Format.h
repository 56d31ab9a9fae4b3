// Number-to-text formats shown to the user: one decimal for the value labels and the
// shortest general form for the read-out.
#pragma once

#include <string>

namespace osk {

// "###0.0": no thousands separator, at least one digit before and exactly one after the
// decimal separator.
std::string formatFixed1(double v, char decimalSeparator = '.');

// The shortest general form with up to 15 significant digits ("7.25", "150", "1E+20",
// "1E-05"), with the given decimal separator.
std::string formatGeneral(double v, char decimalSeparator = '.');

} // namespace osk
