#include "options.h"

#include "ecrivainsequentiel.h"
#include "lecteursequentiel.h"

void Options::appliquerDefautsPrincipaux() {
    const Options defauts;
    OptionReservee = defauts.OptionReservee;
    ChaineLiaison = defauts.ChaineLiaison;
    ToucheMarquer = defauts.ToucheMarquer;
    ToucheDemarquer = defauts.ToucheDemarquer;
    InfosAgrandissement = defauts.InfosAgrandissement;
    CouleurInfos = defauts.CouleurInfos;
    OuvertureSimpleClic = defauts.OuvertureSimpleClic;
    MarquerCopies = defauts.MarquerCopies;
    NiveauParNumero = defauts.NiveauParNumero;
    PasMolette = defauts.PasMolette;
    BullesListe = defauts.BullesListe;
    CasseIgnoree = defauts.CasseIgnoree;
}

QByteArray Options::versLigne() const {
    EcrivainSequentiel e;
    e.texte(PoliceTexte);
    e.reel(TaillePolice);
    e.entier(PoliceGras);
    e.entier(PoliceItalique);
    e.entier(PoliceSouligne);
    e.entier(CouleurTexte);
    e.entier(PositionTexte);
    e.entier(EffacerOriginal);
    e.entier(OptionReservee);
    e.reel(PositionX);
    e.reel(PositionY);
    e.texte(ChaineLiaison);
    e.entier(ToucheMarquer);
    e.entier(ToucheDemarquer);
    e.entier(InfosAgrandissement);
    e.entier(CouleurInfos);
    e.entier(OuvertureSimpleClic);
    e.entier(MarquerCopies);
    e.entier(NiveauParNumero);
    e.entier(PasMolette);
    e.entier(BullesListe);
    e.entier(CasseIgnoree);
    return e.ligne();
}

int Options::lire(const QByteArray& contenu) {
    LecteurSequentiel r(contenu);
    r.lire(PoliceTexte);
    r.lire(TaillePolice);
    r.lire(PoliceGras);
    r.lire(PoliceItalique);
    r.lire(PoliceSouligne);
    r.lire(CouleurTexte);
    r.lire(PositionTexte);
    r.lire(EffacerOriginal);
    r.lire(OptionReservee);
    r.lire(PositionX);
    r.lire(PositionY);
    r.lire(ChaineLiaison);
    r.lire(ToucheMarquer);
    r.lire(ToucheDemarquer);
    r.lire(InfosAgrandissement);
    r.lire(CouleurInfos);
    r.lire(OuvertureSimpleClic);
    r.lire(MarquerCopies);
    r.lire(NiveauParNumero);
    r.lire(PasMolette);
    r.lire(BullesListe);
    r.lire(CasseIgnoree);
    // Values the menus cannot show are taken for damage: the shortcut keys must be two
    // different keys of F5 to F12, and the wheel must move at least one file.
    const Options defauts;
    if (ToucheMarquer < 116 || ToucheMarquer > 123 || ToucheDemarquer < 116 ||
        ToucheDemarquer > 123 || ToucheMarquer == ToucheDemarquer) {
        ToucheMarquer = defauts.ToucheMarquer;
        ToucheDemarquer = defauts.ToucheDemarquer;
    }
    if (PasMolette < 1)
        PasMolette = defauts.PasMolette;
    return r.lus();
}

QString NomTouche(int code) {
    if (code < 116 || code > 123)
        return {};
    return QStringLiteral("F%1").arg(code - 111);
}
