#pragma once

// The shipped templates: background pictures of 500 x 500 with transparency around their
// shapes and calm areas where the user's text goes.

#include <QImage>
#include <QList>

namespace TemplateArt {

QList<QImage> all();

} // namespace TemplateArt
