#pragma once

#include "catalogue/FileList.h"

namespace twinsweep {

/// The group colour cycle of the result list: `GetColor(true)` advances to the next
/// colour for a new group, `GetColor(false)` repeats the current one.
class GroupColorSource
{
public:
    virtual ~GroupColorSource() = default;
    virtual ColorValue GetColor(bool NextClr) = 0;
};

} // namespace twinsweep
