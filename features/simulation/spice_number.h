#pragma once
// Numbers as the simulator reads them: always a '.' and never a thousands separator,
// whatever the user's regional settings ("1,5k" would be read as 5 k).

#include <QString>

namespace takton::simulation {

// The shortest text that reads back as exactly `value`: "1100", "4.6e-09".
QString spiceNumber(double value);

} // namespace takton::simulation
