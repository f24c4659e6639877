#include "fichiersparametres.h"

#include "ecrivainsequentiel.h"
#include "lecteursequentiel.h"

QByteArray ParametresPhoto::versLigne() const {
    EcrivainSequentiel e;
    e.texte(RepertoireDemarrage);
    e.booleen(AfficherAvertissement);
    e.entier(OuvrirDernier);
    return e.ligne();
}

int ParametresPhoto::lire(const QByteArray& contenu) {
    LecteurSequentiel r(contenu);
    r.lire(RepertoireDemarrage);
    r.lire(AfficherAvertissement);
    r.lire(OuvrirDernier);
    return r.lus();
}

QByteArray PositionFenetre::versLigne() const {
    EcrivainSequentiel e;
    e.entier(PosGauche);
    e.entier(PosHaut);
    return e.ligne();
}

bool PositionFenetre::lire(const QByteArray& contenu) {
    LecteurSequentiel r(contenu);
    PositionFenetre lue;
    if (!r.lire(lue.PosGauche) || !r.lire(lue.PosHaut))
        return false;
    *this = lue;
    return true;
}

namespace FichiersParametres {

QByteArray texteSeul(const QString& valeur) {
    EcrivainSequentiel e;
    e.texte(valeur);
    return e.ligne();
}

QString lireTexteSeul(const QByteArray& contenu) {
    LecteurSequentiel r(contenu);
    QString valeur;
    r.lire(valeur);
    return valeur;
}

bool lireBooleenSeul(const QByteArray& contenu, bool* lu) {
    LecteurSequentiel r(contenu);
    bool valeur = false;
    const bool ok = r.lire(valeur);
    if (lu)
        *lu = ok;
    return valeur;
}

} // namespace FichiersParametres
