#include "app/form/textfit.h"

#include "app/form/twips.h"

#include <QFontMetricsF>

namespace
{
QStringList familiesFor(const QString& family)
{
    if (family == QLatin1String("Comic Sans MS"))
        return {family, QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")};
    if (family == QLatin1String("MS Sans Serif"))
        return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    return {family, QStringLiteral("DejaVu Sans")};
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

QSizeF fittedTextSize(const Control& label, const QString& text)
{
    const QFontMetricsF metrics(resolveFont(label.font));
    return {metrics.horizontalAdvance(text) * kTwipsPerPixel, metrics.height() * kTwipsPerPixel};
}

void setCaption(Control& label, const QString& text)
{
    label.Caption = text;
    if (!label.fitsText)
        return;
    const QSizeF size = fittedTextSize(label, text);
    if (label.centred)
        label.Left = static_cast<float>(label.Left + label.Width / 2.0 - size.width() / 2.0);
    label.Width = static_cast<float>(size.width());
    label.Height = static_cast<float>(size.height());
}
