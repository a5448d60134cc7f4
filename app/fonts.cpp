#include "fonts.h"

#include <QFont>
#include <QGuiApplication>
#include <QStringList>

namespace tavrel {

void InstallFontSubstitutions() {
    const QStringList song = {QString::fromUtf8(kSongFace), QStringLiteral("Noto Serif CJK"),
                              QStringLiteral("AR PL UMing CN")};
    for (const char* family : {"宋体", "新宋体", "SimSun", "NSimSun"}) {
        QFont::insertSubstitutions(QString::fromUtf8(family), song);
    }
    QFont interfaceFont(QString::fromUtf8("宋体"));
    interfaceFont.setPointSize(QGuiApplication::font().pointSize());
    QGuiApplication::setFont(interfaceFont);
}

}  // namespace tavrel
