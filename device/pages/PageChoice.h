#pragma once

// What the operations of several pages share.

// Pages number their choices from 1; the commands carry them from 0. A value
// outside 1..count becomes 0.
inline int oneBasedChoice(int value, int count)
{
    return (value >= 1 && value <= count) ? value - 1 : 0;
}
