#pragma once

#include "platform/MemoryDC.h"

#include <initializer_list>
#include <map>
#include <string>

/// A bitmap as text, one line per row, so that a failing shape test prints both pictures:
/// each pixel shows the letter its colour has in the legend, '.' for any other colour.
std::string PixelMap(const platform::MemoryDC& dc, const std::map<platform::COLORREF, char>& legend);

/// The expected picture, written one string per row.
std::string Picture(std::initializer_list<const char*> rows);
