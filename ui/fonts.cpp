// The window fonts.
#include "ui/fonts.h"

#include <QFontInfo>

namespace gearpair {

namespace {

constexpr char kFormFamily[] = "MS Sans Serif";

// The forms were laid out for MS Sans Serif, a narrow face: at the same character height the
// common sans-serif faces (DejaVu Sans above all) run some 15 % wider, and the longest captions
// would be cut at the fixed window edges. The fallback is therefore condensed to about the
// widths the layout expects; the character height stays as asked.
constexpr int kFallbackStretch = 87;  // per cent

}  // namespace

QFont FormFont(int pixelSize) {
    QFont font(QString::fromLatin1(kFormFamily));
    // The style hint steers the font matcher to a sans-serif face when MS Sans Serif is
    // missing, which is every system but Windows.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    if (QFontInfo(font).family().compare(QLatin1String(kFormFamily), Qt::CaseInsensitive) != 0) {
        font.setStretch(kFallbackStretch);
    }
    return font;
}

}  // namespace gearpair
