#include "fonts.h"

#include <QStringList>

namespace corvane {

namespace {

const QString SerifFamily = QStringLiteral("Times New Roman");
const QString SansFamily = QStringLiteral("MS Sans Serif");

QFont sizedFont(const QString& family, int pixelSize, bool bold)
{
    installFontSubstitutes();
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

void installFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(SerifFamily, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        QFont::insertSubstitutions(SansFamily, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)installed;
}

QFont serifFont(int pixelSize, bool bold) { return sizedFont(SerifFamily, pixelSize, bold); }

QFont sansFont(int pixelSize, bool bold) { return sizedFont(SansFamily, pixelSize, bold); }

}  // namespace corvane
