#include "selectionfichiers.h"

#include "etatprogramme.h"
#include "frmphoto.h"
#include "listefichiers.h"
#include "menusphoto.h"
#include "plateforme.h"
#include "selectionliste.h"

#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

SelectionFichiers::SelectionFichiers(FrmPhoto& fenetre) : m_f(fenetre) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuToutSel"), [this] { mnuToutSel_Click(); });
    menus.Brancher(QStringLiteral("mnuToutDel"), [this] { mnuToutDel_Click(); });
    menus.Brancher(QStringLiteral("mnuInversSel"), [this] { mnuInversSel_Click(); });
    menus.SelectionParChaine = [this] { SelectionParChaine(); };
}

void SelectionFichiers::mnuToutSel_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    if (m_f.LstFF->count() > 0)
        m_f.LstFF->selectAll();
    etat.ListeOccupee = false;
}

void SelectionFichiers::mnuToutDel_Click() {
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    m_f.LstFF->clearSelection();
    etat.ListeOccupee = false;
    m_f.listeFichiers().EffacerApercu();
    etat.PasDePhoto = true;
    m_f.axBSel1->hide();
    m_f.axBSel0->show();
    m_f.ImgUp->hide();
    m_f.ImgDown->hide();
}

void SelectionFichiers::mnuInversSel_Click() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    etat.ListeOccupee = true;
    QList<bool> avant(liste->count(), false);
    for (const int i : RangsSelectionnes(liste))
        avant[i] = true;
    const int nombre = int(avant.count(false));
    const int seule = int(avant.indexOf(false));
    DefinirSelection(liste, [&](int i) { return !avant[i]; });
    // The one file left becomes the current one, shown as a click shows it.
    if (nombre == 1)
        liste->clearSelection();
    etat.ListeOccupee = false;
    if (nombre == 1)
        m_f.SelectionnerEntree(seule);
}

void SelectionFichiers::SelectionParChaine() {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    const QString reponse = m_f.plateforme().dialogues.Saisie(
        QStringLiteral("Renseignez la chaine de caractères\nprésente dans les fichiers à "
                       "sélectionner."),
        QStringLiteral("Chaine à sélectionner"));
    if (reponse.isEmpty() || liste->count() == 0)
        return;
    ChaineSelection = reponse;
    const bool ignorer = etat.options.CasseIgnoree == 1;
    const QString cherchee = ignorer ? ChaineSelection.toUpper() : ChaineSelection;
    etat.ListeOccupee = true;
    DefinirSelection(liste, [&](int i) {
        const QString nom = liste->item(i)->text();
        return (ignorer ? nom.toUpper() : nom).contains(cherchee);
    });
    etat.ListeOccupee = false;
    m_f.parametres().Ecrire_Options();
}
