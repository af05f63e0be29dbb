#pragma once

#include <QByteArray>
#include <QImage>

namespace varnolt::writers {

// A picture painted in greys only (its red is its grey, as a painting in
// black, white and greys has it) as an 8-bit greyscale PNG with its
// resolution recorded, written directly with zlib: every row unfiltered and
// the data deflated for runs of one byte, which the white of a drawing is
// mostly made of. Several times faster than QImage's PNG writer, whose
// filter search and deflate took most of a long Word report's time, and the
// same bytes for the same picture. Empty for an image of no pixels.
QByteArray greyPng(const QImage &picture);

} // namespace varnolt::writers
