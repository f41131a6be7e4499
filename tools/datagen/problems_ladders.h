#pragma once
#include <array>

class DataWriter;

// The two staged screens: the circle's drawings, its stage pictures (a Ferris
// wheel uncovered stage by stage), its two-frame reward and the marks 0 … 8;
// set 8's stage pictures (a picnic pie), its looping reward and the marks 0 … 5.
void RenderStageLadderPictures(const DataWriter& out);

// The figures of "zcircle\il5.bmp" and "zcircle\il6.bmp", drawn from these
// numbers. Lengths are in units of a, where the drawing's "а" (the length the
// problem gives, 4a) is four units; with π = 3,14 the red line is then
// 3,14·(8 + 4 + 4)/2 = 25,12 a and the yellow area 16 + 3·3,14·2²/2 + 3,14·1² =
// 37,98 a² — the 2512·a and 3798·a² hundredths the circle's stages 6 and 7 ask for.
namespace circle_figures {

// The red line: semicircles on one straight line, each row laid end to end from
// its left end, above or below the line.
struct Semicircle {
    int diameter;
    bool above;
};
inline constexpr std::array<Semicircle, 3> kRedLine{{{8, true}, {4, false}, {4, false}}};

// The yellow figure: a square, semicircles standing outward on some of its
// sides (each side its diameter), and a circle resting on the side left free.
struct YellowFigure {
    int squareSide;
    int sideSemicircles;
    int circleRadius;
};
inline constexpr YellowFigure kYellow{4, 3, 1};

}  // namespace circle_figures
