// The byte modes of the receive area (graphs, bit displays, the bit on-edge
// counter, and through them the scope and newest-byte displays): the layout
// made when a mode is chosen, and the redraw the receive poll asks for after
// each read. Every redraw clears the picture and paints the whole screen.
#pragma once

#include "display/graph_layout.h"

#include <cstdint>
#include <span>

class PictureBox;
class QLabel;

// The layouts InitGraphMode made for the picture in force.
struct GraphLayouts {
    AnalogLayout analog;
    BarLayout bar;
    SquareLayout square;
    BitDispLayout bits;
};
GraphLayouts& graphLayouts();

// Sets the bytes per screen (GraphPoints) and the layout of the mode in
// force for the main window's receive picture.
void InitGraphMode();
void InitGraphModeFor(const PictureBox& pic);

// Paints the receive area in the graph background colour, clears it and
// draws the mode in force from RcvDispBytes and GraphDataLen.
void DrawGraph();
// The same on any picture; decHexLabel, when given, is the label that shows
// the hex value beside a large decimal value.
void DrawGraphOn(PictureBox& pic, QLabel* decHexLabel = nullptr);

// The bytes of this screen: from GraphFirstIndex, at most GraphPoints, never
// past GraphDataLen.
std::span<const uint8_t> screenBytes();

// An axis value right-aligned in four characters at the left edge, centred
// on the height y.
void PrintAxisText(PictureBox& pic, int value, double y);
