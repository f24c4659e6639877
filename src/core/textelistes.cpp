#include "textelistes.h"

QString ListeAbregee(const QStringList& noms, int maximum) {
    QString texte = noms.mid(0, maximum).join(QLatin1Char('\n'));
    const qsizetype reste = noms.size() - maximum;
    if (reste > 0)
        texte += QStringLiteral("\n\net  %1 %2")
                     .arg(reste)
                     .arg(reste == 1 ? QStringLiteral("autre ...") : QStringLiteral("autres ..."));
    return texte;
}
