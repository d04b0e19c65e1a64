#pragma once

#include "duplicates/GroupColorSource.h"

namespace twinsweep::test {

/// A group colour source whose colour is the number of groups opened so far (0 before
/// the first), so every group of a run, and of the runs after it, has its own colour.
class CountingColors : public GroupColorSource
{
public:
    ColorValue GetColor(bool NextClr) override
    {
        if (NextClr)
            ++groups;
        return groups;
    }
    ColorValue groups = 0;
};

/// The seven-colour cycle by index (1 to 7, 0 before the first group), so a row shows
/// which colour of the cycle it took.
class CycleColors : public GroupColorSource
{
public:
    ColorValue GetColor(bool NextClr) override
    {
        if (NextClr)
            index = index % 7 + 1;
        return index;
    }
    ColorValue index = 0;
};

} // namespace twinsweep::test
