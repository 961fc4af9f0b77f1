#include "pictures.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// The colours of the program: deep violet ink and a lighter violet that sit
// well on the windows' #F5EBFC, and amber for what stands out.
const QColor kInk(0x3b, 0x1f, 0x5c);
const QColor kViolet(0x7b, 0x45, 0xb0);
const QColor kAmber(0xe8, 0xa3, 0x3d);

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont Font(const QString &family, int pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// The outline of `text` with its ink box centred on `centre`.
QPainterPath CentredText(const QString &text, const QFont &font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    return path;
}

// "Tandrel" in a book face, shaded from violet to ink, over a soft shadow, with
// a thin rule and an amber point on either side.
QImage Title(int width, int height) {
    QImage image = Blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The about window shows this picture in a canvas three pixels narrower and
    // one lower, and the credit line overlaps its last rows in the conversion
    // window: keep the drawing inside 346 x 64.
    const qreal midX = 346 / 2.0;
    const qreal midY = 31;
    QFont font = Font(QStringLiteral("P052"), 50, QFont::Bold);
    font.setStyleHint(QFont::Serif, QFont::PreferAntialias);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath word = CentredText(QStringLiteral("Tandrel"), font, QPointF(midX, midY));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue(), 40));
    p.drawPath(word.translated(1.5, 2.0));

    const QRectF box = word.boundingRect();
    QLinearGradient shade(0, box.top(), 0, box.bottom());
    shade.setColorAt(0.0, kViolet);
    shade.setColorAt(1.0, kInk);
    p.setBrush(shade);
    p.drawPath(word);

    // Rules level with the middle of the lower-case letters.
    const qreal ruleY = box.bottom() - 12;
    const qreal gap = 12;
    const qreal length = 58;
    p.setPen(QPen(kViolet, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() - gap - length, ruleY), QPointF(box.left() - gap, ruleY));
    p.drawLine(QPointF(box.right() + gap, ruleY), QPointF(box.right() + gap + length, ruleY));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    for (qreal x : {box.left() - gap - length, box.right() + gap + length}) {
        QPainterPath diamond;
        diamond.moveTo(x, ruleY - 3.5);
        diamond.lineTo(x + 3.5, ruleY);
        diamond.lineTo(x, ruleY + 3.5);
        diamond.lineTo(x - 3.5, ruleY);
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
    return image;
}

// A rounded violet tile holding a 3 x 3 matrix whose diagonal of ones is amber:
// a correlation matrix at a glance.
void PaintIcon(QPainter &p, int width, int height) {
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(3.5, 3.0, width - 7.0, height - 7.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue(), 50));
    p.drawRoundedRect(tile.translated(0, 2), 20, 20);
    QLinearGradient shade(0, tile.top(), 0, tile.bottom());
    shade.setColorAt(0.0, kViolet);
    shade.setColorAt(1.0, kInk);
    p.setBrush(shade);
    p.setPen(QPen(kInk, 1.0));
    p.drawRoundedRect(tile, 20, 20);

    const qreal cell = 22;
    const qreal step = cell + 5;
    const QPointF origin(tile.center().x() - 1.5 * cell - 5, tile.center().y() - 1.5 * cell - 5);
    const QFont digit = Font(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF box(origin.x() + column * step, origin.y() + row * step, cell, cell);
            const bool diagonal = row == column;
            p.setPen(Qt::NoPen);
            p.setBrush(diagonal ? kAmber : QColor(255, 255, 255, 225));
            p.drawRoundedRect(box, 4, 4);
            if (diagonal) {
                p.setBrush(kInk);
                p.drawPath(CentredText(QStringLiteral("1"), digit, box.center()));
            }
        }
    }
}

QImage Icon(int width, int height) {
    QImage image = Blank(width, height);
    QPainter p(&image);
    PaintIcon(p, width, height);
    return image;
}

// The same drawing scaled into a square of `side` pixels, for the desktop's
// icon theme: drawn afresh at each size, so the large ones stay sharp.
QImage ThemeIcon(int side) {
    constexpr int kWidth = 102;
    constexpr int kHeight = 101;
    QImage image = Blank(side, side);
    QPainter p(&image);
    const qreal scale = side / qreal(kWidth);
    p.translate(0, (side - kHeight * scale) / 2);
    p.scale(scale, scale);
    PaintIcon(p, kWidth, kHeight);
    return image;
}

// The narrow mark beside a matrix field: a matrix bracket on the side that
// faces the field and the matrix's letter on the other.
QImage SideMark(int width, int height, const QString &letter, bool fieldOnRight) {
    QImage image = Blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A two-pixel bar on whole pixels, so it stays crisp at its real size.
    const qreal barX = fieldOnRight ? width - 3.0 : 3.0;
    const qreal edgeX = fieldOnRight ? width : 0.0;
    QPainterPath bracket;
    bracket.moveTo(edgeX, 2.0);
    bracket.lineTo(barX, 2.0);
    bracket.lineTo(barX, height - 2.0);
    bracket.lineTo(edgeX, height - 2.0);
    p.setPen(QPen(kViolet, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bracket);

    const qreal letterX = fieldOnRight ? (barX - 1.0) / 2.0 : (barX + 1.0 + width) / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(
        CentredText(letter, Font(QStringLiteral("DejaVu Sans"), 15, QFont::Bold), QPointF(letterX, height / 2.0)));
    return image;
}

// "sd" above the standard-deviation field; the field's top edge runs under the
// last rows, so the letters stay clear of them.
QImage SdMark(int width, int height) {
    QImage image = Blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(CentredText(QStringLiteral("sd"), Font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold),
                           QPointF(width / 2.0, 6.0)));
    return image;
}

} // namespace

std::vector<Picture> DrawPictures() {
    return {
        {QStringLiteral("TD270.png"), Title(349, 70)},
        {QStringLiteral("icon75.png"), Icon(102, 101)},
        {QStringLiteral("corrM.png"), SideMark(15, 102, QStringLiteral("R"), true)},
        {QStringLiteral("covM.png"), SideMark(15, 102, QStringLiteral("V"), false)},
        {QStringLiteral("sd.png"), SdMark(28, 15)},
    };
}

std::vector<Picture> DrawThemeIcons() {
    std::vector<Picture> icons;
    for (int side : {48, 128, 256})
        icons.push_back({QStringLiteral("%1x%1/tandrel.png").arg(side), ThemeIcon(side)});
    return icons;
}
