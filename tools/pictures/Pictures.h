#pragma once
// Every picture the program ships, drawn in code so that anyone can redraw
// them: each set returns its pictures with the path they take under
// Files/Pictures and a short label for the contact sheet.
#include <QImage>
#include <QString>
#include <vector>

namespace pictures {

struct Picture {
    QString path;   // relative to Files/Pictures
    QString label;  // number or name shown on the contact sheet
    QImage image;
};

std::vector<Picture> emoticons();
std::vector<Picture> listPictures();
std::vector<Picture> userIcons();
std::vector<Picture> welcomePicture();
std::vector<Picture> appIcons();

// All pictures enlarged with nearest-neighbour, numbered, in one image: for
// looking at them, never shipped.
QImage contactSheet(const std::vector<Picture>& all);

}  // namespace pictures
