#pragma once

#include "catalogue/FileList.h"

namespace twinsweep {

/// The main window's group colour cycle as the duplicate searches use it: a call with
/// `NextClr` true opens a new group colour, a call with false repeats the current one.
class GroupColorSource
{
public:
    virtual ~GroupColorSource() = default;
    virtual ColorValue GetColor(bool NextClr) = 0;
};

} // namespace twinsweep
