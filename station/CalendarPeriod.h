#pragma once

#include <string_view>

// Whether two record times fall into the same calendar "hour", "day", "week" or "month" (the
// period name exactly so). Weeks run from Sunday to Saturday. The fields are compared as read,
// without clamping; a text too short for the period, a text whose fields cannot be read, or
// another period name gives false. Allocates nothing: the rain sums ask this for every stored
// record of a month.
bool SamePeriod(std::string_view a, std::string_view b, std::string_view period);
