#include "menuediteurs.h"

#include "editeurs.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "operationsfichiers.h"
#include "outilsfichiers.h"
#include "plateforme.h"
#include "selectionliste.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

MenuEditeurs::MenuEditeurs(FrmPhoto& fenetre, Editeurs& editeurs)
    : m_f(fenetre), m_editeurs(editeurs) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuChoisir"), [this] { mnuChoisir_Click(); });
    menus.Brancher(QStringLiteral("mnuSupp"), [this] { mnuSupp_Click(); });
    menus.Brancher(QStringLiteral("mnuEdDef"), [this] { mnuEdDef_Click(); });
    // Without a menu bar the whole editor menu, with its two commands, is found under
    // "Options"; the preview's right click shows the programs only.
    menus.mnuOptions->addSeparator()->setObjectName(QStringLiteral("mnusepEdit"));
    menus.mnuOptions->addMenu(menus.mnuEdit)->setObjectName(QStringLiteral("mnuEdit"));
    QObject::connect(&m_editeurs, &Editeurs::listeModifiee, &m_f, [this] { Remplir(); });
    Remplir();
}

void MenuEditeurs::Remplir() {
    MenusPhoto& menus = m_f.menus();
    m_editeurs.RemplirMenu(*menus.mnuEdit, QStringLiteral("mnuProg"),
                           QStringLiteral("Editeur du fichier par défaut"),
                           [this](int k) { mnuProg_Click(k); });
    menus.article(QStringLiteral("mnuSupp"))->setEnabled(m_editeurs.NbEditeurs() > 0);
}

void MenuEditeurs::mnuChoisir_Click() {
    Dialogues& d = m_f.plateforme().dialogues;
    const QString chemin = d.ChoisirProgramme(QStringLiteral("Choisir un programme à éditer"),
                                              QStringLiteral("/usr/bin"));
    if (chemin.isEmpty() || !OutilsFichiers::TexteAccepte(d, chemin))
        return;
    const QString nom = d.Saisie(QStringLiteral("Donnez un nom au programme choisi :"), {},
                                 OperationsFichiers::NomProposeProgramme(chemin));
    if (nom.trimmed().isEmpty() || !OutilsFichiers::TexteAccepte(d, nom))
        return;
    m_editeurs.Ajouter(nom, chemin);
}

void MenuEditeurs::mnuSupp_Click() {
    m_f.plateforme().dialogues.Message(QStringLiteral("Cliquez sur le programme à supprimer."),
                                       Dialogues::Icone::Information);
    SuppressionEditeur = true;
    m_f.plateforme().horloge.TraiterEvenements();
    RouvrirMenu();
}

void MenuEditeurs::RouvrirMenu() {
    QMenu& menu = *m_f.menus().mnuEdit;
    m_f.plateforme().dialogues.AfficherMenu(
        menu, m_f.CmdOption->mapToGlobal(QPoint(0, -menu.sizeHint().height())));
}

QString MenuEditeurs::FichierChoisi() {
    Dialogues& d = m_f.plateforme().dialogues;
    const QListWidget* liste = m_f.LstFF;
    if (NombreSelectionnes(liste) >= 2) {
        d.Message(QStringLiteral("Ce menu ne peut s'appliquer qu'à un seul fichier !"),
                  Dialogues::Icone::Information);
        return {};
    }
    const int rang = SeulSelectionne(liste);
    if (rang < 0) {
        d.Message(QStringLiteral("Aucun fichier n'est sélectionné !"),
                  Dialogues::Icone::Information);
        return {};
    }
    const QString nom = liste->item(rang)->text();
    if (NomsFichiers::EstIllisible(nom)) {
        SignalerNomIllisible(d, nom);
        return {};
    }
    return m_f.etat().RepertoireOuvert + nom;
}

void MenuEditeurs::mnuProg_Click(int k) {
    if (SuppressionEditeur)
        return Retirer(k);
    if (const QString fichier = FichierChoisi(); !fichier.isEmpty())
        m_editeurs.Lancer(k, fichier);
}

void MenuEditeurs::mnuEdDef_Click() {
    if (const QString fichier = FichierChoisi(); !fichier.isEmpty())
        m_editeurs.Lancer(0, fichier);
}

void MenuEditeurs::Retirer(int k) {
    Dialogues& d = m_f.plateforme().dialogues;
    const QString legende = k == 0 ? QStringLiteral("Editeur du fichier par défaut")
                                   : m_editeurs.Liste().value(k - 1).nom;
    if (d.Message(QStringLiteral("Supprimer ") + legende + QStringLiteral(" ?"),
                  Dialogues::Icone::Aucune,
                  Dialogues::Boutons::OuiNon) != Dialogues::Reponse::Oui) {
        if (d.Message(QStringLiteral("Supprimer un autre programme ?"), Dialogues::Icone::Question,
                      Dialogues::Boutons::OuiNon) == Dialogues::Reponse::Oui)
            RouvrirMenu();
        else
            SuppressionEditeur = false;
        return;
    }
    if (k == 0) {
        d.Message(QStringLiteral("Ce premier programme ne peut être effacé !"),
                  Dialogues::Icone::Information);
        return;
    }
    m_editeurs.Retirer(k);
    SuppressionEditeur = false;
    if (m_editeurs.NbEditeurs() > 0)
        d.Message(QStringLiteral("Pour supprimer un autre programme, cliquez à nouveau sur le menu "
                                 "'Supprimer'."),
                  Dialogues::Icone::Information);
}
