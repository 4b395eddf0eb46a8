#include "app/form/textfit.h"

#include "app/form/twips.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>

namespace
{
QStringList wantedFamilies(const QString& family)
{
    if (family == QLatin1String("Comic Sans MS"))
        return {family, QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")};
    if (family == QLatin1String("MS Sans Serif"))
        return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    return {family, QStringLiteral("DejaVu Sans")};
}

// For a family that is not installed Qt asks fontconfig for every installed font sorted by
// likeness (about two and a half million instructions on a desktop's fonts, before the first
// frame) and then takes the next family in line all the same; so only installed ones are
// named, unless none is.
QStringList familiesFor(const QString& family)
{
    static const QStringList installed = QFontDatabase::families();
    const QStringList wanted = wantedFamilies(family);
    QStringList found;
    for (const QString& name : wanted)
        if (installed.contains(name, Qt::CaseInsensitive))
            found << name;
    return found.isEmpty() ? wanted : found;
}

// Qt merges other fonts in for characters a font lacks, and to know which it asks fontconfig
// for every installed font sorted by likeness, once for each font and script: about two and
// a half million instructions each on a desktop's fonts, ahead of the first frame. A text all
// in the font's own characters is drawn the same without, so only other texts pay for it.
QFont mergingOnlyWhereNeeded(QFont font, const QString& text)
{
    QFont single = font;
    single.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF metrics(single);
    for (const char32_t c : text.toUcs4())
        if (!metrics.inFontUcs4(c))
            return font;
    return single;
}

// A wrapped text is measured in a box as wide as the label's and as tall as it needs.
constexpr qreal kAnyHeight = 1e6;

// The width of one line of text with the label's small text after it, in pixels.
qreal lineWidth(const Control& label, const QString& text, const QFont& font)
{
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (label.smallText.isEmpty())
        return width;
    const QFontMetricsF small(smallTextFont(font));
    return width + small.horizontalAdvance(QLatin1Char(' ')) +
           small.horizontalAdvance(label.smallText);
}

// A text with a small text after it stays on one line.
bool lineFitsAt(const Control& label, const QString& text, const QFont& font)
{
    const qreal width = lineWidth(label, text, font) * kTwipsPerPixel;
    const bool narrowEnough = label.maxWidth <= 0 || width <= label.maxWidth;
    if (label.fitsText)
        return narrowEnough;
    return narrowEnough && width <= label.Width &&
           QFontMetricsF(font).height() * kTwipsPerPixel <= label.Height;
}

bool fitsAt(const Control& label, const QString& text, const QFont& font)
{
    if (!label.smallText.isEmpty())
        return lineFitsAt(label, text, font);
    const QFontMetricsF metrics(font);
    if (label.fitsText)
        return label.maxWidth <= 0 ||
               metrics.horizontalAdvance(text) * kTwipsPerPixel <= label.maxWidth;
    const QRectF box(0, 0, label.Width / kTwipsPerPixel, kAnyHeight);
    const QRectF used = metrics.boundingRect(box, Qt::AlignTop | Qt::TextWordWrap, text);
    return used.width() <= box.width() && used.height() * kTwipsPerPixel <= label.Height;
}

// Zero when the design's size fits. Below half of it a text is hard to read at any length,
// so that is as far as it goes.
int shrunkPixelSize(const Control& label, const QString& text)
{
    QFont font = mergingOnlyWhereNeeded(resolveFont(label.font), text + label.smallText);
    if (text.isEmpty() || fitsAt(label, text, font))
        return 0;
    const int smallest = std::max(1, font.pixelSize() / 2);
    for (int pixels = font.pixelSize() - 1; pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        if (fitsAt(label, text, font))
            return pixels;
    }
    return smallest;
}
} // namespace

QFont resolveFont(const FontSpec& wanted)
{
    QFont font;
    font.setFamilies(familiesFor(wanted.family));
    // The layout was drawn at 96 dots per inch: 9.75 pt is 13 pixels, 24 pt is 32.
    font.setPixelSize(qRound(wanted.points * 96.0 / 72.0));
    font.setBold(wanted.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont labelFont(const Control& label)
{
    QFont font = mergingOnlyWhereNeeded(resolveFont(label.font), label.Caption + label.smallText);
    if (label.shrunkPixelSize > 0)
        font.setPixelSize(label.shrunkPixelSize);
    return font;
}

QFont smallTextFont(const QFont& font)
{
    // Small enough to read as a note to the text, large enough to read at all.
    QFont small = font;
    small.setPixelSize(std::max(1, qRound(font.pixelSize() * 0.4)));
    return small;
}

QSizeF fittedTextSize(const Control& label, const QString& text)
{
    const QFont font = labelFont(label);
    return {lineWidth(label, text, font) * kTwipsPerPixel,
            QFontMetricsF(font).height() * kTwipsPerPixel};
}

void setCaption(Control& label, const QString& text, const QString& smallText)
{
    label.Caption = text;
    label.smallText = smallText;
    label.shrunkPixelSize = shrunkPixelSize(label, text);
    if (!label.fitsText)
        return;
    const QSizeF size = fittedTextSize(label, text);
    if (label.centred)
        label.Left = static_cast<float>(label.Left + label.Width / 2.0 - size.width() / 2.0);
    label.Width = static_cast<float>(size.width());
    label.Height = static_cast<float>(size.height());
}
