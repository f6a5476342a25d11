#pragma once

class Rectangle3D;
class RibDefinition;

// Where a spar or comb piece between two neighbouring ribs meets the rib
// faces, worked out from the part shapes the rib modifiers left in the two
// ribs. A is the part in the segment's first rib, B the one in its second;
// d is an offset along the segment in outline units (wing root chord). On
// the last segment the piece reaches through the second rib.
//
// A segment of no length (both ribs at one position, or coinciding parts)
// has no end faces: the box variant then gives two default rectangles, the
// round variant false. No result ever carries a non-finite number.

// The two end faces of a rectangular segment (webbing, comb remainder).
void calculateBoxSegmentEndFaces(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribA,
                                 const RibDefinition& ribB, bool first, bool last, float d, Rectangle3D& outA,
                                 Rectangle3D& outB);

// The face that joins the two parts across the gap between the rib faces;
// false when there is none.
bool calculateRoundSegmentEndFaces(const Rectangle3D& a, const Rectangle3D& b, const RibDefinition& ribA,
                                   const RibDefinition& ribB, bool first, bool last, float d, Rectangle3D& out);
