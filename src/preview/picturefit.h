#pragma once

// Where a picture of natural size W x H goes inside a preview box of
// BW x BH: scaled to the box's full width (landscape) or full height
// (portrait), centred, and never taller than the box.
struct PictureFit {
    int left = 0;
    int top = 0;
    double width = 0;
    double height = 0;
};

// The steps run in this order: size, offsets from that size, then the height
// is cut to the box. So a landscape picture too tall for the box is squeezed
// vertically rather than narrowed, and its top offset stays 0.
// An empty box gives an empty fit.
PictureFit FitPicture(double naturalWidth, double naturalHeight, double boxWidth, double boxHeight);
