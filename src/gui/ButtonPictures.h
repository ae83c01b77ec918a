#pragma once

#include <QPixmap>
#include <QString>

namespace trajecta {

// The pictures of the image buttons. The four exchange buttons carry their
// text in the picture, in the language of the program; each exists raised
// (name ending in "Haut"/"haut") and pressed ("Bas"/"bas"). The arrow
// buttons of the keypoint chooser show an arrow. Any other image is empty.
class ButtonPictures {
  public:
    static constexpr int buttonWidth = 250;
    static constexpr int buttonHeight = 54;
    static constexpr int arrowSize = 26;

    // `languageIndex`: 0 French, 1 English.
    static QPixmap forImage(const QString& imageName, int languageIndex);
    // The caption drawn into an exchange button, or an empty text for other images.
    static QString caption(const QString& imageName, int languageIndex);
    static bool pressed(const QString& imageName);

  private:
    static QPixmap textButton(const QString& text, bool pressed);
    static QPixmap arrowButton(bool pointsLeft);
};

} // namespace trajecta
