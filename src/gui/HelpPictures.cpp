#include "gui/HelpPictures.h"

#include "app/HelpScenes.h"
#include "shell/AppIcon.h"
#include "shell/HelpContent.h"

#include <QLinearGradient>
#include <QPainter>
#include <map>
#include <optional>

namespace trajecta {

namespace {

constexpr int margin = 24;
constexpr int bandHeight = 64;
constexpr int sceneWidth = 400;
constexpr int sceneLeft = HelpPictures::pageWidth - margin - sceneWidth;
constexpr int textWidth = sceneLeft - 2 * margin;
constexpr int bullet = 22;
const QColor bandTop(0x2b, 0x5d, 0x8f);
const QColor bandBottom(0x1c, 0x40, 0x66);
const QColor ink(0x1a, 0x1a, 0x1a);
const QColor muted(0x55, 0x5f, 0x6a);
const QColor accent(0xe0, 0x8a, 0x00);
const QColor tipFill(0xff, 0xf6, 0xd8);
const QColor tipEdge(0xe8, 0xc8, 0x70);

QFont font(int pixels, bool bold = false, bool italic = false) {
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// French puts a space before two-part marks and inside the quotes; it must
// never begin a line, so it does not break.
QString typeset(const QString& text, int language) {
    if (language != 0) return text;
    QString t = text;
    const QChar nbsp(0x00A0);
    t.replace(QStringLiteral("« "), QStringLiteral("«") + nbsp);
    t.replace(QStringLiteral(" »"), nbsp + QStringLiteral("»"));
    for (const char* mark : {" :", " ;", " ?", " !"})
        t.replace(QLatin1String(mark), nbsp + QLatin1String(mark + 1));
    return t;
}

// Draws `text` wrapped in `width` from (x, y) and returns the y under it.
int paragraph(QPainter& p, int x, int y, int width, const QString& text, const QFont& f,
              const QColor& colour) {
    p.setFont(f);
    p.setPen(colour);
    const QRect box = p.boundingRect(QRect(x, y, width, 10000), Qt::TextWordWrap, text);
    p.drawText(QRect(x, y, width, box.height()), Qt::TextWordWrap, text);
    return y + box.height();
}

void titleBand(QPainter& p, int width, const QString& title, int titlePixels) {
    QLinearGradient band(0, 0, 0, bandHeight);
    band.setColorAt(0, bandTop);
    band.setColorAt(1, bandBottom);
    p.fillRect(0, 0, width, bandHeight, band);
    const int icon = 44;
    p.drawImage(QRect(16, (bandHeight - icon) / 2, icon, icon), AppIcon::picture(icon * 2));
    p.setFont(font(titlePixels, true));
    p.setPen(Qt::white);
    p.drawText(QRect(16 + icon + 14, 0, width - icon - 46, bandHeight), Qt::AlignVCenter, title);
}

int numberedSteps(QPainter& p, int y, const HelpPage& page, int language) {
    const QFont body = font(15);
    for (std::size_t i = 0; i < page.steps.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QRect(margin, y, bullet, bullet));
        p.setFont(font(13, true));
        p.setPen(Qt::white);
        p.drawText(QRect(margin, y, bullet, bullet), Qt::AlignCenter, QString::number(i + 1));
        const int textLeft = margin + bullet + 10;
        y = paragraph(p, textLeft, y + 1, textWidth - bullet - 10,
                      typeset(page.steps[i].in(language), language), body, ink) +
            10;
    }
    return y;
}

// The picture of the step, its caption and the tip, in the right column;
// returns the y under them. Without a scene, only the room it takes.
int sceneColumn(QPainter& p, const HelpPage& page, int language, const QImage* scene) {
    int y = bandHeight + 20;
    const int height =
        scene && !scene->isNull() ? scene->height() * sceneWidth / scene->width() : sceneWidth * 9 / 16;
    const QRect frame(sceneLeft, y, sceneWidth, height);
    if (scene) p.drawImage(frame, *scene);
    p.setPen(QPen(muted, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    y = paragraph(p, sceneLeft, frame.bottom() + 7, sceneWidth,
                  typeset(page.sceneCaption.in(language), language), font(13, false, true), muted);
    const QString tip = typeset(page.tip.in(language), language);
    if (tip.isEmpty()) return y;
    y += 18;
    const int pad = 10;
    p.setFont(font(14));
    const QRect text =
        p.boundingRect(QRect(sceneLeft + pad, y + pad, sceneWidth - 2 * pad, 10000), Qt::TextWordWrap, tip);
    p.setPen(QPen(tipEdge, 1));
    p.setBrush(tipFill);
    p.drawRoundedRect(QRectF(sceneLeft + 0.5, y + 0.5, sceneWidth - 1, text.height() + 2 * pad), 6, 6);
    return paragraph(p, sceneLeft + pad, y + pad, sceneWidth - 2 * pad, tip, font(14), ink) + pad;
}

// Draws a help page; returns the height its content needs.
int composePage(QImage& image, const HelpPage& page, int language, const QImage* scene) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(image.rect(), Qt::white);
    titleBand(p, image.width(), page.title.in(language), 24);
    int y = paragraph(p, margin, bandHeight + 20, textWidth, typeset(page.intro.in(language), language),
                      font(15), ink);
    y = numberedSteps(p, y + 16, page, language);
    const int column = sceneColumn(p, page, language, scene);
    return std::max(y, column) + margin;
}

QImage aboutPicture(int language) {
    const AboutText& about = aboutText();
    QImage image(HelpPictures::aboutWidth, HelpPictures::aboutHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(image.rect(), Qt::white);
    QLinearGradient band(0, 0, 0, image.height());
    band.setColorAt(0, QColor(0xee, 0xf4, 0xfb));
    band.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), band);
    const int icon = 112;
    p.drawImage(QRect(margin, 36, icon, icon), AppIcon::picture(icon * 2));
    const int left = margin + icon + 24, width = image.width() - left - margin;
    p.setFont(font(34, true));
    p.setPen(bandBottom);
    p.drawText(QRect(left, 36, width, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Trajecta"));
    int y = paragraph(p, left, 84, width,
                      about.versionTag.in(language) + QLatin1Char(' ') + HelpPictures::version(), font(15),
                      muted);
    paragraph(p, left, y + 14, width, typeset(about.summary.in(language), language), font(15), ink);
    p.setPen(QColor(0xd0, 0xd8, 0xe0));
    p.drawLine(margin, image.height() - 44, image.width() - margin, image.height() - 44);
    paragraph(p, margin, image.height() - 34, image.width() - 2 * margin,
              typeset(about.closing.in(language), language), font(13, false, true), muted);
    return image;
}

const std::array<QImage, helpSceneCount>& scenes() {
    static const std::array<QImage, helpSceneCount> pictures = renderHelpScenes(sceneWidth);
    return pictures;
}

} // namespace

bool HelpPictures::provides(const QString& imageName) {
    return helpPageOf(imageName) || aboutLanguageOf(imageName) >= 0;
}

QImage HelpPictures::picture(const QString& imageName) {
    static std::map<QString, QImage> drawn;
    if (auto it = drawn.find(imageName); it != drawn.end()) return it->second;
    QImage image;
    int language = 0;
    if (const HelpPage* page = helpPageOf(imageName, &language)) {
        image = QImage(pageWidth, pageHeight, QImage::Format_RGB32);
        composePage(image, *page, language, &scenes()[std::size_t(page->scene)]);
    } else if ((language = aboutLanguageOf(imageName)) >= 0) {
        image = aboutPicture(language);
    } else {
        return {};
    }
    drawn.emplace(imageName, image);
    return image;
}

int HelpPictures::neededHeight(const QString& imageName) {
    int language = 0;
    const HelpPage* page = helpPageOf(imageName, &language);
    if (!page) return 0;
    QImage scratch(pageWidth, 2 * pageHeight, QImage::Format_RGB32);
    return composePage(scratch, *page, language, nullptr);
}

QString HelpPictures::version() {
    return QStringLiteral(TRAJECTA_VERSION);
}

} // namespace trajecta
