#include "trichronologique.h"

#include "datefichier.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "magasintrisqlite.h"
#include "plateforme.h"

#include <QDir>
#include <QListWidget>

namespace {

// The wait pointer on the window for the length of a command, restored on every way out.
class CurseurAttente {
public:
    explicit CurseurAttente(QWidget& fenetre) : m_fenetre(fenetre) {
        m_avait = m_fenetre.testAttribute(Qt::WA_SetCursor);
        m_ancien = m_fenetre.cursor();
        m_fenetre.setCursor(Qt::WaitCursor);
    }
    ~CurseurAttente() { retablir(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;

    void retablir() {
        if (m_retabli)
            return;
        m_retabli = true;
        if (m_avait)
            m_fenetre.setCursor(m_ancien);
        else
            m_fenetre.unsetCursor();
    }

private:
    QWidget& m_fenetre;
    QCursor m_ancien;
    bool m_avait = false;
    bool m_retabli = false;
};

} // namespace

TriChronologique::TriChronologique(FrmPhoto& fenetre) : m_f(fenetre) {}

void TriChronologique::mnuTri_Click() {
    QListWidget* liste = m_f.LstFF;
    if (liste->count() == 0)
        return;
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    CurseurAttente attente(m_f);

    QList<MagasinTri::Ligne> lignes;
    lignes.reserve(liste->count());
    for (int i = 0; i < liste->count(); ++i) {
        const QString nom = liste->item(i)->text();
        lignes.append({nom, LireDateExifFichier(etat.RepertoireOuvert + nom).DateTri});
    }

    // The new order is read back in full before the list is touched, so that a store that
    // fails leaves the list as it was.
    const QString base = etat.DossierDonnees + QStringLiteral("/Date.mdb");
    QStringList ordre;
    Resultat r;
    {
        MagasinTriSqlite magasin(base);
        r = magasin.Trier(lignes, ordre);
    }
    auto refuser = [&](const QString& texte) {
        attente.retablir();
        p.dialogues.Message(texte.arg(QDir::toNativeSeparators(base)) +
                                QStringLiteral("\nLa liste n'a pas été triée."),
                            Dialogues::Icone::Exclamation);
    };
    if (!r)
        return refuser(QStringLiteral("Impossible d'ouvrir ou d'écrire la base de tri \"%1\"."));
    // The store gives back an order, never names: a store that answers with other names (a
    // foreign or damaged file) would put into the list files that are not the folder's.
    QStringList envoyes;
    envoyes.reserve(lignes.size());
    for (const MagasinTri::Ligne& l : lignes)
        envoyes.append(l.nom);
    QStringList recus = ordre;
    envoyes.sort();
    recus.sort();
    if (envoyes != recus)
        return refuser(QStringLiteral("La base de tri \"%1\" a rendu des noms qui ne sont pas "
                                      "ceux de la liste."));

    const bool occupee = etat.ListeOccupee;
    etat.ListeOccupee = true;
    liste->clear();
    liste->addItems(ordre);
    etat.ListeOccupee = occupee;
    m_f.SelectionnerEntree(0);
}
