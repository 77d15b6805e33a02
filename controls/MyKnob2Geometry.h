#pragma once

// The knob's arithmetic: how its value, its pointer angle and the mouse position map onto each
// other, where the pointer line ends, and what square it keeps itself at. Angles are whole
// degrees counter-clockwise from 3 o'clock in a y-down window: 240 at the lower left (Min),
// 90 straight up, -60 at the lower right (Max). Rounding is to nearest, halves to even.

// Degrees per unit of value over the 300 degrees of travel; 0 for an empty range.
float KnobDegreesPerUnit(int min, int max);
// The pointer angle for a value.
int KnobAngle(int position, int min, float degreesPerUnit);
// The value for a pointer angle.
int KnobPositionFromAngle(int angle, int min, float degreesPerUnit);
// A requested value brought into the range. For Max < Min it is kept between the two.
int KnobClampedPosition(int value, int min, int max, float degreesPerUnit);
// The angle of the mouse around the centre of a width x height knob, with the dead zone below
// the centre snapped to the nearer end.
int KnobMouseAngle(int x, int y, int width, int height);
// The value a wheel turn asks for; 120 per notch, positive away from the user.
int KnobWheelTarget(int position, int wheelDelta);

struct KnobPoint {
    int x;
    int y;
    bool operator==(const KnobPoint&) const = default;
};

struct KnobPointer {
    KnobPoint outer;
    KnobPoint inner;
};

// End points of the pointer line for an angle, around the centre (radius, radius).
KnobPointer KnobPointerEnds(int angle, int radius);

// The side of the square a knob of knobSize takes when it is resized to width x height:
// growth of either side wins, otherwise a shrink of either side.
int KnobSquareSide(int knobSize, int width, int height);
