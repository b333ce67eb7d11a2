#pragma once
// Where the controls of a resizable window go, declared once per control: each edge stays put,
// keeps its distance from the window's right or bottom edge, or stretches with it. Measures are
// in twips of the window's outer size; the window converts them to pixels at its DPI.

namespace quillet {

enum Anchor : unsigned {
  kStayPut = 0,
  kFollowRight = 1,    // `left` counts back from the outer right edge
  kFollowBottom = 2,   // `top` counts back from the outer bottom edge
  kStretchWidth = 4,   // `width` is what the outer width leaves of it
  kStretchHeight = 8,  // `height` likewise
};

struct ControlPlace {
  int id;
  double left, top, width, height;
  unsigned anchor;
};

struct TwipsRect {
  double left, top, width, height;
};

inline TwipsRect PlaceControl(const ControlPlace& place, double outerWidth, double outerHeight) {
  return {place.anchor & kFollowRight ? outerWidth - place.left : place.left,
          place.anchor & kFollowBottom ? outerHeight - place.top : place.top,
          place.anchor & kStretchWidth ? outerWidth - place.width : place.width,
          place.anchor & kStretchHeight ? outerHeight - place.height : place.height};
}

}  // namespace quillet
