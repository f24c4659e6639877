#include "copiercoller.h"

#include "apercuphoto.h"
#include "etatprogramme.h"
#include "favoris.h"
#include "frmphoto.h"
#include "frmprogression.h"
#include "listefichiers.h"
#include "lotjournal.h"
#include "menusphoto.h"
#include "nomillisible.h"
#include "nomsfichiers.h"
#include "operationsfichiers.h"
#include "plateforme.h"
#include "selectionliste.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSet>
#include <QToolButton>

namespace {

// The wait pointer for the time of an operation; a box shown meanwhile puts it back first.
class Attente {
public:
    Attente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Attente() { Finir(); }
    void Finir() {
        if (m_actif)
            QGuiApplication::restoreOverrideCursor();
        m_actif = false;
    }

private:
    bool m_actif = true;
};

} // namespace

CopierColler::CopierColler(FrmPhoto& fenetre, Favoris& favoris)
    : QObject(&fenetre), m_f(fenetre), m_favoris(favoris) {
    MenusPhoto& menus = m_f.menus();
    menus.Brancher(QStringLiteral("mnuCopier"), [this] { mnuCopier_Click(); });
    menus.Brancher(QStringLiteral("mnuCouper"), [this] { mnuCouper_Click(); });
    menus.Brancher(QStringLiteral("mnuCollerRep"), [this] { mnuCollerRep_Click(); });
    menus.Brancher(QStringLiteral("mnuCollerDos"), [this] { mnuCollerDos_Click(); });
    ActiverCollage(false);
    // A pending copy or cut ends with the next click on an entry, the program's own
    // selection of the first entry of a folder included: the paste entries then say so.
    connect(menus.mnuCopDepInvisible, &QMenu::aboutToShow, this, [this] {
        const int operation = m_f.etat().OperationEnAttente;
        if (operation != 1 && operation != 2)
            ActiverCollage(false);
    });
}

void CopierColler::ActiverCollage(bool actif) {
    for (const char* nom : {"mnuCollerRep", "mnuCollerDos"})
        m_f.menus().article(QString::fromLatin1(nom))->setEnabled(actif);
}

void CopierColler::mnuCopier_Click() {
    Retenir(1);
}

void CopierColler::mnuCouper_Click() {
    Retenir(2);
}

void CopierColler::Retenir(int operation) {
    EtatProgramme& etat = m_f.etat();
    etat.FichiersADeplacer.clear();
    const QList<int> rangs = RangsSelectionnes(m_f.LstFF);
    if (rangs.isEmpty()) {
        m_f.plateforme().dialogues.Message(
            operation == 1 ? QStringLiteral("Vous devez au préalable sélectionner le ou les "
                                            "fichiers à copier !")
                           : QStringLiteral("Vous devez au préalable sélectionner le ou les "
                                            "fichiers à couper !"),
            Dialogues::Icone::Information);
        m_f.TxtFileName->setFocus();
        ActiverCollage(false);
        return;
    }
    for (int rang : rangs)
        if (const QString nom = m_f.LstFF->item(rang)->text(); NomsFichiers::EstIllisible(nom)) {
            SignalerNomIllisible(m_f.plateforme().dialogues, nom);
            ActiverCollage(false);
            return;
        }
    etat.OperationEnAttente = operation;
    ActiverCollage(true);
    for (int rang : rangs)
        etat.FichiersADeplacer.append(etat.RepertoireOuvert + m_f.LstFF->item(rang)->text());
}

CopierColler::Bilan CopierColler::Transferer(const QString& dossier) {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    Fichiers& f = p.fichiers;
    const bool couper = etat.OperationEnAttente == 2;
    const QString suffixeCopie =
        etat.options.MarquerCopies == 1 ? NomsFichiers::MarqueM : QString();
    // The list itself, not the pending one: nothing changes it while the files go.
    const QStringList sources = etat.FichiersADeplacer;
    qint64 total = 0;
    for (const QString& source : sources)
        total += QFileInfo(source).size();

    Attente attente;
    FrmProgression progression(p.horloge,
                               couper ? QStringLiteral("Déplacement des fichiers")
                                      : QStringLiteral("Copie des fichiers"),
                               int(sources.size()), total, &m_f);
    auto arreter = [&](const QString& texte) {
        attente.Finir();
        p.dialogues.Message(texte, Dialogues::Icone::Exclamation);
        return Bilan::Arrete;
    };
    // Every target first, as the folder will be when each file comes: the names the paste
    // takes and, for a cut, those it frees. A target that cannot be given stops the paste
    // there.
    QStringList cibles;
    QString refus;
    {
        QSet<QString> pris, liberes;
        auto existe = [&](const QString& n) {
            return pris.contains(n) || (!liberes.contains(n) && f.Existe(dossier + n));
        };
        for (const QString& source : sources) {
            const QString nom = source.section(QLatin1Char('/'), -1);
            // A file is never marked twice.
            const QString suffixe = NomsFichiers::EstMarque(nom) ? QString() : suffixeCopie;
            QString cible = nom + suffixe;
            if (existe(nom) || existe(cible)) {
                cible = OperationsFichiers::PrefixeCopie + nom + suffixe;
                if (existe(cible)) {
                    refus = QStringLiteral("Ce fichier a déjà une copie !");
                    break;
                }
            }
            if (OperationsFichiers::NomTropLong(cible)) {
                refus = QStringLiteral("Le nom de ce fichier est trop long pour le nom de sa "
                                       "copie (255 octets au plus) :\n\n%1\n\nRaccourcissez-le "
                                       "d'abord. Rien n'a été fait pour ce fichier.")
                            .arg(cible);
                break;
            }
            cibles.append(cible);
            pris.insert(cible);
            if (couper && source == dossier + nom)
                liberes.insert(nom);
        }
    }
    // A cut renames: it is kept in the rename journal like any batch, so that it can be
    // taken back.
    QList<QPair<QString, QString>> deplacements;
    if (couper)
        for (qsizetype i = 0; i < cibles.size(); ++i)
            deplacements.append({sources[i], dossier + cibles[i]});
    LotJournal lot(p, deplacements);
    if (!deplacements.isEmpty() && !lot.ouvert()) {
        attente.Finir();
        SignalerJournalImpossible(p.dialogues, p);
        return Bilan::Arrete;
    }
    qint64 faits = 0;
    for (qsizetype i = 0; i < cibles.size(); ++i) {
        if (progression.Annulee())
            return Bilan::Annule;
        const QString& source = sources[i];
        const QString& cible = cibles[i];
        const qint64 avant = faits;
        const Fichiers::Avancement avance = [&](qint64 octets) {
            progression.Avancer(int(i), avant + octets);
        };
        // Across volumes a cut is a copy then a deletion: the file changes identity and no
        // undo can find it, so the step is not kept (an empty batch leaves the journal's
        // last renaming undoable).
        const auto identite = couper ? f.Identite(source) : std::nullopt;
        const Resultat r = couper ? f.Deplacer(source, dossier + cible, avance)
                                  : f.Copier(source, dossier + cible, avance);
        if (!r)
            return arreter(QStringLiteral("Impossible de coller des fichiers sur un support "
                                          "\"disque.\"\n\n%1\n%2")
                               .arg(source, r.message));
        if (couper && identite && f.Identite(dossier + cible) == identite)
            lot.fait(int(i));
        faits = avant + QFileInfo(dossier + cible).size();
        progression.Avancer(int(i) + 1, faits);
    }
    if (!refus.isEmpty())
        return arreter(refus);
    return Bilan::Complet;
}

void CopierColler::mnuCollerRep_Click() {
    EtatProgramme& etat = m_f.etat();
    m_f.Stop_son();
    const int operation = etat.OperationEnAttente;
    if (operation == 1 || operation == 2) {
        Transferer(etat.RepertoireOuvert);
        if (operation == 2)
            ActiverCollage(false);
    }
    m_f.listeFichiers().CmdRefresh_Click();
    // The refresh selects the first entry, which is no click of the user's: a copy can be
    // pasted again.
    if (operation == 1)
        etat.OperationEnAttente = 1;
    if (m_f.LstFF->count() == 0)
        EffacerAffichageCourant();
    m_f.TxtFileName->setFocus();
}

void CopierColler::mnuCollerDos_Click() {
    EtatProgramme& etat = m_f.etat();
    Plateforme& p = m_f.plateforme();
    m_f.Stop_son();
    const QString dossier = m_favoris.ChoisirDossierCopie();
    p.horloge.TraiterEvenements();
    if (dossier.isEmpty()) {
        ActiverCollage(false);
        m_f.listeFichiers().CmdRefresh_Click();
        return;
    }
    const int operation = etat.OperationEnAttente;
    if (operation == 1 || operation == 2) {
        // After a refusal the open folder stays, to show what left it.
        if (Transferer(dossier) != Bilan::Arrete) {
            etat.ArretChargement = true;
            m_f.DefinirCheminDossier(dossier);
        }
    }
    ActiverCollage(false);
    m_f.listeFichiers().CmdRefresh_Click();
    if (m_f.LstFF->count() == 0)
        EffacerAffichageCourant();
    m_f.TxtFileName->setFocus();
}

void CopierColler::EffacerAffichageCourant() {
    EtatProgramme& etat = m_f.etat();
    m_f.apercu().ViderApercu();
    m_f.TxtFileName->clear();
    m_f.LblTaille->clear();
    m_f.LblNonImage->hide();
    for (QLabel* l : {m_f.Lblmp31, m_f.Lblmp32}) {
        l->hide();
        l->clear();
    }
    m_f.CmdJouer->hide();
    m_f.CmdStop->hide();
    etat.PasDePhoto = true;
    etat.ZoomARecalculer = true;
}
