// The main window's stored size and position, and the ranges a stored value must lie in.
#pragma once

struct WindowGeometry {
    long width, height, left, top;
};

constexpr WindowGeometry DefaultGeometry{463, 288, 40, 40};

// Each value outside its range is replaced by its default (not moved to the nearer bound).
WindowGeometry AcceptGeometry(const WindowGeometry& stored);
