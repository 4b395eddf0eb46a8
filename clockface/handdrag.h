#pragma once

#include "clockface/dialmath.h"

// Where on the dial a pointer is, and which hand it takes hold of. Points are twips in the
// panel, like the hands' ends; positions are twelfths of a turn, like the hands'.

// The dial position of a point as seen from the centre, in twelfths of a turn: 0 towards the
// 12, growing clockwise, 0 <= result < 12; the inverse of the hands' angle rule.
double dialPositionAt(TwipPoint centre, TwipPoint point);

enum class Hand { none, minute, hour };

// How far from a hand a press is still on it: a child's fingertip, about 20 pixels either
// side at the design's size.
inline constexpr float kHandReachTwips = 300;

// A finger held this long on the clock without moving is its right click.
inline constexpr int kTouchHoldMs = 800;

// The hand a press at `point` lies on: one that passes within reach of it, anywhere from the
// centre to a little past its tip; the nearer when both do, the minute hand when they are
// as near; none elsewhere.
Hand handUnder(TwipPoint centre, TwipPoint minuteTip, TwipPoint hourTip, TwipPoint point);

// The hand a drag that starts at `point` moves: the one the press is on (handUnder), or else
// the one pointing nearer to it round the dial, the minute hand when both are as near. A small
// finger need not find a thin hand; it only has to start on its side of the dial. One that
// does find a hand takes that hand, though the other point nearer: beyond the hour hand's tip,
// on the minute hand, when the two stand close.
Hand handToDrag(TwipPoint centre, TwipPoint minuteTip, TwipPoint hourTip, TwipPoint point,
                double minutePosition, double hourPosition);
