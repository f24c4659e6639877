#include "numeroadroite.h"

#include "etatprogramme.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "nomincremente.h"
#include "passerenommage.h"
#include "permutationnumero.h"
#include "plateforme.h"
#include "selectionfichiers.h"

#include <QListWidget>

#include <algorithm>

NumeroADroite::NumeroADroite(FrmPhoto& fenetre) : m_f(fenetre) {
    m_f.menus().Brancher(QStringLiteral("mnuIncrDte"), [this] { mnuIncrDte_Click(); });
}

QStringList NumeroADroite::Entrees() const {
    QStringList noms;
    for (int i = 0; i < m_f.LstFF->count(); ++i)
        noms.append(m_f.LstFF->item(i)->text());
    return noms;
}

void NumeroADroite::mnuIncrDte_Click() {
    Dialogues& d = m_f.plateforme().dialogues;
    d.Message(QStringLiteral("Cette opération n'a pas un intérêt majeur,\net peut même être source "
                             "de résultats fantaisites,\nprincipalement si le nom des fichiers "
                             "diffère.\n\nLa liste des fichiers doit, en premier lieu, être "
                             "entièrement incrémentée à gauche."),
              Dialogues::Icone::Information);
    d.Message(QStringLiteral("A l'issue de l'opération, vous aurez la possibilité de revenir "
                             "aussitôt à l'affichage antérieur.\n\nSi vous désirez faire ce choix "
                             "ultérieurement, il faudra le faire \"manuellement\" :\n\n- "
                             "incrémenter la liste à gauche,\n- peut être la réorganiser,\n- puis "
                             "effacer le chiffre d'incrémentation à droite, fichier par fichier."),
              Dialogues::Icone::Information);
    m_f.selectionFichiers().mnuToutSel_Click();
    if (d.Message(QStringLiteral("Voulez-vous poursuivre ?"), Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }
    const QString liaison = m_f.etat().options.ChaineLiaison;
    const QStringList entrees = Entrees();
    // An empty list has nothing incremented to move.
    const bool incrementee = !entrees.isEmpty() &&
                             std::all_of(entrees.cbegin(), entrees.cend(), [&](const QString& nom) {
                                 return NomIncremente::EstIncremente(nom, liaison);
                             });
    if (!incrementee) {
        d.Message(QStringLiteral("La liste doit être entièrement incrémentée à gauche pour "
                                 "réaliser cette opération."),
                  Dialogues::Icone::Information);
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }
    if (!Passe())
        return;
    if (d.Message(QStringLiteral("Voulez-vous revenir à la configuration antérieure ?"),
                  Dialogues::Icone::Question,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }
    m_f.selectionFichiers().mnuToutSel_Click();
    Passe();
}

bool NumeroADroite::Passe() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    FrmRenom& rapport = *m_f.incrementation().rapport();
    const QStringList entrees = Entrees();
    m_f.Stop_son();
    const BilanRenommage bilan =
        PasseAvecRapport(PermutationNumero::Planifier(entrees, etat.options.ChaineLiaison), entrees,
                         etat, p, m_f.LstFF, rapport);
    if (!bilan.complet) {
        SignalerConflit(p.dialogues, &rapport, p, bilan);
        etat.ListeOccupee = false;
        m_f.listeFichiers().CmdRefresh_Click();
        return false;
    }
    rapport.EtatFinal();
    rapport.AttendreFin(p.horloge);
    etat.ListeOccupee = false;
    m_f.listeFichiers().CmdRefresh_Click();
    etat.FinRapport = false;
    return true;
}
