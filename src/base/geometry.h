// The main window's stored size and position, and the ranges a stored value must lie in.
#pragma once

struct WindowGeometry {
    long width, height, left, top;
};

constexpr WindowGeometry DefaultGeometry{463, 288, 40, 40};

// Each value outside its range is replaced by its default (not moved to the nearer bound).
WindowGeometry AcceptGeometry(const WindowGeometry& stored);

// A screen's work area, in the same screen pixels (right and bottom exclusive).
struct WorkArea {
    long left, top, right, bottom;
};

// Brings an accepted rectangle onto the work area: a side longer than the area is cut to it, the
// rest of the stored size is kept, and the window is moved in by as little as it takes.
WindowGeometry FitOntoWorkArea(const WindowGeometry& accepted, const WorkArea& area);
