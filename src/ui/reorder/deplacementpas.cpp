#include "deplacementpas.h"

#include "affichefleches.h"
#include "etatprogramme.h"
#include "frmphoto.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>

DeplacementPas::DeplacementPas(FrmPhoto& fenetre) : m_f(fenetre) {
    QObject::connect(m_f.ImgUp, &QToolButton::clicked, &m_f, [this] { ImgUp_Click(); });
    QObject::connect(m_f.ImgDown, &QToolButton::clicked, &m_f, [this] { ImgDown_Click(); });
}

void DeplacementPas::ImgUp_Click() {
    Deplacer(m_f.etat().IndexCourant - 1);
}

void DeplacementPas::ImgDown_Click() {
    Deplacer(m_f.etat().IndexCourant + 1);
}

void DeplacementPas::Deplacer(int vers) {
    QListWidget* liste = m_f.LstFF;
    EtatProgramme& etat = m_f.etat();
    const int i = etat.IndexCourant;
    // The arrows are hidden at the ends, but a click may still arrive from elsewhere.
    if (liste->currentRow() < 0 || i < 0 || i >= liste->count() || vers < 0 ||
        vers >= liste->count())
        return;

    const bool occupee = etat.ListeOccupee;
    etat.ListeOccupee = true;
    // The entry itself moves past its neighbour: the entry shown keeps being the one the name
    // box commits, and every other entry keeps its selection.
    if (!liste->model()->moveRow(QModelIndex(), i, QModelIndex(), vers > i ? i + 2 : i - 1)) {
        liste->insertItem(vers > i ? i + 2 : i - 1, liste->item(i)->clone());
        delete liste->takeItem(vers > i ? i : i + 1);
    }
    liste->setCurrentRow(vers, QItemSelectionModel::Select);
    etat.IndexCourant = liste->currentRow();
    // The rank shown follows, or a fast move by click would read the old one.
    m_f.LblRang->setText(QString::number(etat.IndexCourant + 1));
    etat.ListeOccupee = occupee;
    Affiche_Fleches();
}

void DeplacementPas::Affiche_Fleches() {
    const EtatFleches fleches = ::Affiche_Fleches(
        m_f.LstFF->count(), m_f.LstFF->currentRow() < 0 ? -1 : m_f.etat().IndexCourant);
    m_f.ImgUp->setVisible(fleches.ImgUp);
    m_f.ImgDown->setVisible(fleches.ImgDown);
}
