// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QLabel;
class QWidget;

namespace tavolin {

// The main window's captions, and the Options window's, are painted over the background
// picture, or over the window's own colour when there is none: their text takes a colour
// that reads on it, whatever the desktop's theme (white text of a dark theme does not read
// on a light picture).

// What lies behind a caption: the lightest and the darkest colours of the picture, or the
// one colour of the window.
struct CaptionBackground {
    QColor lightest;
    QColor darkest;
};
CaptionBackground pictureBackground(const QImage& picture);

// Each label placed directly on `window`: the palette's text colour where it reads on
// `background`, black or white where it does not; the title keeps its red, made darker or
// lighter as much as it must.
void colourCaptions(QWidget& window, QLabel& title, const CaptionBackground& background);

// The texts placed directly on `window` within `pictureArea` (labels, check boxes, a group
// box's title): a colour that reads on the picture. What a group box holds keeps the
// window's colours: it stands on the window's own background.
void colourTextsOnPicture(QWidget& window, const QRect& pictureArea,
                          const CaptionBackground& background);

}  // namespace tavolin
