#pragma once

#include "clockface/dialmath.h"

// Where on the dial a pointer is, and which hand it takes hold of. Points are twips in the
// panel, like the hands' ends.

// The dial position of a point as seen from the centre, in twelfths of a turn: 0 towards the
// 12, growing clockwise, 0 <= result < 12; the inverse of the hands' angle rule.
double dialPositionAt(TwipPoint centre, TwipPoint point);

enum class Hand { none, minute, hour };

// The hand a press at `point` takes hold of: one that passes within `reach` of it, anywhere
// from the centre to a little past its tip; the nearer when both do, the minute hand when
// they are as near.
Hand handAt(TwipPoint centre, TwipPoint minuteTip, TwipPoint hourTip, TwipPoint point, float reach);
