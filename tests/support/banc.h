#pragma once

#include "dialoguesscriptes.h"
#include "fichierssysteme.h"
#include "horlogetest.h"
#include "lecteursontest.h"
#include "plateforme.h"
#include "shelltest.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Points HOME and the XDG folders (the trash included) at a temporary folder for the whole
// test process. Must run before anything reads them, so before the application object.
void PreparerEnvironnementTest();
QString DossierPersonnelTest();

// The system's files, with the failures a test asks for: renames refused once their
// allowance is spent (a folder that turned read-only), a volume without a trash, one step of
// a copy or a move refused, renames between two folders taken for a change of volume. Every
// folder listed is recorded.
class FichiersRefus : public FichiersSysteme {
public:
    using FichiersSysteme::Lister;
    int permis = 1 << 30;
    bool refuserCorbeille = false;
    // "temporaire", "contenu" (after writing part of the data), "attributs", "verification",
    // "suppression" (a moved source that stays).
    QString refuserEtape;
    // Renames between two folders fail as across volumes; within one folder they work.
    bool autreVolume = false;
    // Run before each file's data is copied, with the source's path.
    std::function<void(const QString&)> avantCopie;
    QStringList listes;
    Resultat MettreCorbeille(const QString& chemin) override;
    QStringList Lister(const QString& dossier) override;
    Resultat Supprimer(const QString& chemin) override;

protected:
    int RenommerBrut(const QString& de, const QString& vers) override;
    Resultat CreerTemporaire(const QString& dossier, int& descripteur, QString& chemin) override;
    Resultat CopierContenu(int source, int cible, const Avancement& avancement) override;
    Resultat ReporterAttributs(int source, int cible) override;
    Resultat VerifierCopie(const QString& de, const QString& vers) override;

private:
    Resultat refus() const;
};

// One test's surroundings: a fresh program folder and photo folder under the temporary
// home, real files, and scripted dialogs and clock.
class Banc {
public:
    Banc();

    QString programme() const { return m_racine.path() + QStringLiteral("/programme"); }
    QString photos() const { return m_racine.path() + QStringLiteral("/photos"); }
    QString racine() const { return m_racine.path(); }

    // Files named relative to a folder given in full.
    static QString creerFichier(const QString& chemin, const QByteArray& contenu = "x");
    static QString creerImage(const QString& chemin, int largeur = 64, int hauteur = 48);
    static QByteArray lire(const QString& chemin);
    // The names of a folder's regular files with a digest of each content, sorted: what a
    // test compares before and after an operation to prove nothing was lost.
    static QStringList empreinte(const QString& dossier);

    FichiersRefus fichiers;
    DialoguesScriptes dialogues;
    HorlogeTest horloge;
    ShellTest shell;
    LecteurSonTest son;
    Plateforme plateforme;

private:
    QTemporaryDir m_racine;
};

#define VIMBRAL_TEST_MAIN(Classe)                                                                  \
    int main(int argc, char* argv[]) {                                                             \
        PreparerEnvironnementTest();                                                               \
        QApplication application(argc, argv);                                                      \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define VERIFIER_DIALOGUES(d) QVERIFY2((d).termine(), qPrintable((d).rapport()))
