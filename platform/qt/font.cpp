// Template fonts and dialog units.
#include <QFontDatabase>
#include <QFontMetrics>
#include <cstdlib>

#include "platform/qt/backend.h"

namespace platform::qt {
namespace {

// Song typefaces of the templates have no Linux namesake: a Ming face has the
// same style and, at 9 pt, the same metrics (Latin 6 px, CJK and box drawing
// 12 px), which keeps the listing's columns; the others follow in that order.
const char* const kSongFaces[] = {"宋体", "SimSun", "新宋体", "NSimSun"};
const char* const kSongSubstitutes[] = {"AR PL UMing CN", "WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC"};

}  // namespace

QFont TemplateFont(const std::string& faceUtf8, int pointSize) {
    QStringList families{QString::fromStdString(faceUtf8)};
    for (const char* song : kSongFaces) {
        if (faceUtf8 != song) continue;
        families.clear();
        const QStringList installed = QFontDatabase::families();
        for (const char* substitute : kSongSubstitutes)
            if (installed.contains(QString::fromUtf8(substitute))) families << QString::fromUtf8(substitute);
        if (families.isEmpty()) families << QString::fromUtf8(kSongSubstitutes[0]);
        break;
    }
    QFont font(families.first());
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return font;
}

BaseUnits FontBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int extent = metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    return {(extent / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int v, int base, int div) {
    const long long product = static_cast<long long>(v) * base;
    const long long half = div / 2;
    return static_cast<int>(product >= 0 ? (product + half) / div : -((-product + half) / div));
}

}  // namespace platform::qt
