#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <cmath>
#include <fontconfig/fontconfig.h>

namespace takton {
namespace {

QString tahomaFamily = QStringLiteral("DejaVu Sans Condensed");

// The label face of the layouts is a wide humanist sans; DejaVu Sans, a touch
// condensed and unhinted, sets Cyrillic captions to the same widths.
QFont labelFace(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStretch(bold ? 99 : 98);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont tahoma(int pixelSize, bool bold)
{
    QFont font(tahomaFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

FontconfigWarmUp::FontconfigWarmUp() : reading([] { FcInit(); }) {}

FontconfigWarmUp::~FontconfigWarmUp()
{
    finish();
}

void FontconfigWarmUp::finish()
{
    if (reading.joinable())
        reading.join();
}

void loadApplicationFonts()
{
    const int regular = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    if (!families.isEmpty())
        tahomaFamily = families.front();
}

QFont fontFor(Kind kind, const Style& style)
{
    Face face = style.face;
    if (face == Face::KindDefault)
        face = kind == Kind::Label ? Face::LabelFace : Face::Tahoma;
    return face == Face::LabelFace ? labelFace(style.pixelSize, style.bold)
                                   : tahoma(style.pixelSize, style.bold);
}

QString measureKey(const QFont& font, QStringView text)
{
    return font.toString() + QChar(u'|') + QString::number(font.kerning()) + QChar(u'|') +
           QString::number(font.hintingPreference()) + QChar(u'|') + text.toString();
}

QFont fittedToWidth(QFont font, QStringView caption, int width)
{
    if (caption.isEmpty())
        return font;
    // The windows share many captions at the same width: each is measured once.
    static QHash<QString, qreal> spacings;
    const QString key = measureKey(font, caption) + QChar(u'|') + QString::number(width);
    auto known = spacings.constFind(key);
    if (known == spacings.cend()) {
        const qreal natural = QFontMetricsF(font).horizontalAdvance(caption.toString());
        // Spacing is kept in 1/64 px steps: round down, so the caption never ends up wider.
        known = spacings.insert(key, std::floor((width - natural) / caption.size() * 64) / 64);
    }
    font.setLetterSpacing(QFont::AbsoluteSpacing, *known);
    return font;
}

} // namespace takton
