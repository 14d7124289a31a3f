#pragma once

#include "Colour.h"

// A solid brush: all the game ever fills with.
class Brush {
public:
    explicit Brush(ColorRef colour) : m_colour(colour) {}
    ColorRef Colour() const { return m_colour; }

private:
    ColorRef m_colour;
};
