#pragma once

#include <QImage>
#include <QString>

namespace trajecta {

// The pictures of the help and about windows, drawn by the program: each help
// page holds its step's texts beside a picture of the work area at that step;
// the about picture shows the icon, the name, the version and what the
// program does. Every picture is drawn once, on first use, and kept.
class HelpPictures {
  public:
    static constexpr int pageWidth = 860;
    static constexpr int pageHeight = 520;
    static constexpr int aboutWidth = 520;
    static constexpr int aboutHeight = 300;

    // True for the image controls of the help and about windows.
    static bool provides(const QString& imageName);
    // The picture of such an image; a null picture for any other name.
    static QImage picture(const QString& imageName);
    // The height the texts of a help picture need: at most pageHeight when they fit.
    static int neededHeight(const QString& imageName);
    // The program's version, as the build gives it.
    static QString version();
};

} // namespace trajecta
