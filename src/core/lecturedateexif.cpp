#include "lecturedateexif.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cstring>

namespace {

// Positions count from 1, as in the date text; 0 means "none".
class Texte {
public:
    explicit Texte(QByteArrayView octets) : m_t(octets) {}

    qsizetype taille() const { return m_t.size(); }

    // The first ':' at or after depuis.
    qsizetype deuxPoints(qsizetype depuis) const {
        if (depuis < 1 || depuis > m_t.size())
            return 0;
        const void* trouve =
            std::memchr(m_t.data() + depuis - 1, ':', size_t(m_t.size() - depuis + 1));
        return trouve ? static_cast<const char*>(trouve) - m_t.data() + 1 : 0;
    }

    // At most longueur characters from debut, fewer when the text ends first.
    QByteArrayView milieu(qsizetype debut, qsizetype longueur) const {
        if (debut < 1 || debut > m_t.size())
            return {};
        return m_t.sliced(debut - 1, std::min(longueur, m_t.size() - debut + 1));
    }

private:
    QByteArrayView m_t;
};

bool chiffres(QByteArrayView v, qsizetype longueur) {
    return v.size() == longueur &&
           std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int valeur(QByteArrayView v) {
    int n = 0;
    for (char c : v)
        n = n * 10 + (c - '0');
    return n;
}

QString latin1(QByteArrayView v) {
    return QString::fromLatin1(v.data(), v.size());
}

} // namespace

DateExif LireDateExif(QByteArrayView debut) {
    const DateExif impossible{QStringLiteral("Lecture impossible"), QString()};
    const Texte t(debut.first(std::min(debut.size(), OctetsDateExif)));

    const qsizetype p1 = t.deuxPoints(1);
    if (p1 == 0)
        return impossible;
    // The first date-time runs from p1 - 4 to p1 + 14: a colon from p1 + 15 on belongs to a
    // second one.
    const qsizetype p2 = t.deuxPoints(p1 + 15);
    qsizetype s = p1 - 4;
    if (p2 != 0) {
        if (chiffres(t.milieu(p2 - 4, 4), 4)) {
            s = p2 - 4;
        } else if (const qsizetype p3 = t.deuxPoints(p2 + 1); p3 != 0) {
            s = p3 - 4;
        }
    }
    // A colon within the first four characters leaves no room for a year.
    if (s < 1)
        return impossible;

    const QByteArrayView d = t.milieu(s, 19);
    const QByteArrayView annee = d.first(std::min<qsizetype>(d.size(), 4));
    const QByteArrayView mois = d.size() >= 7 ? d.sliced(5, 2) : QByteArrayView();
    const QByteArrayView jour = d.size() >= 10 ? d.sliced(8, 2) : QByteArrayView();
    const QByteArrayView heure = d.last(std::min<qsizetype>(d.size(), 8));

    if (!chiffres(mois, 2) || valeur(mois) < 1 || valeur(mois) > 12)
        return impossible;
    if (!chiffres(annee, 4) || !chiffres(jour, 2) || heure.size() != 8 ||
        !chiffres(heure.sliced(0, 2), 2) || heure[2] != ':' || !chiffres(heure.sliced(3, 2), 2) ||
        heure[5] != ':' || !chiffres(heure.sliced(6, 2), 2))
        return impossible;
    const QDate date(valeur(annee), valeur(mois), valeur(jour));
    const QTime temps(valeur(heure.sliced(0, 2)), valeur(heure.sliced(3, 2)),
                      valeur(heure.sliced(6, 2)));
    if (!date.isValid() || !temps.isValid())
        return impossible;

    const QString texteHeure = latin1(heure);
    return {latin1(jour) + u'/' + latin1(mois) + u'/' + latin1(annee) + u' ' + texteHeure,
            latin1(annee) + u'-' + latin1(mois) + u'-' + latin1(jour) + u' ' + texteHeure};
}
